#pragma once

namespace forms {

// Marks a program handler (or a yield inside one) as running. While any is on the
// stack no form may be destroyed: an unloaded form is only hidden, and deleted once
// the outermost scope has ended.
class HandlerScope
{
public:
    HandlerScope();
    ~HandlerScope();
    HandlerScope(const HandlerScope &) = delete;
    HandlerScope &operator=(const HandlerScope &) = delete;

    static bool anyRunning() { return s_depth > 0; }

private:
    static inline int s_depth = 0;
};

} // namespace forms
