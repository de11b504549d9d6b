#include "handlerscope.h"

#include "formregistry.h"

namespace forms {

HandlerScope::HandlerScope()
{
    ++s_depth;
}

HandlerScope::~HandlerScope()
{
    if (--s_depth == 0)
        FormRegistry::scheduleCollect();
}

} // namespace forms
