#include "textbox.h"

#include "drawingsurface.h"
#include "fonts.h"
#include "readonlytext.h"

#include <QAccessibleValueChangeEvent>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

#include <optional>

namespace forms {

namespace {
constexpr int FrameAndMargin = 4; // sunken frame and inner margin on each side

// A box that shows a number: its text, and the number as its value, so that a reader
// can tell it by its name and value.
class TextBoxAccessible final : public QAccessibleWidget, public ReadOnlyText, public QAccessibleValueInterface
{
public:
    explicit TextBoxAccessible(TextBox *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::ValueInterface && number())
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !box()->isReadOnly();
        return state;
    }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? box()->text() : QAccessibleWidget::text(kind);
    }
    using ReadOnlyText::text;
    QString readText() const override { return box()->text(); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    QVariant currentValue() const override { return number().value_or(0); }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return 255; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    TextBox *box() const { return static_cast<TextBox *>(widget()); }
    std::optional<double> number() const
    {
        bool ok = false;
        const double value = box()->text().toDouble(&ok);
        return ok ? std::optional(value) : std::nullopt;
    }
};

QAccessibleInterface *textBoxFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("forms::TextBox") && object && object->isWidgetType())
        return new TextBoxAccessible(static_cast<TextBox *>(object));
    return nullptr;
}

} // namespace

TextBox::TextBox(DrawingSurface *container) : QLineEdit(container), Control(container), m_font(container->font())
{
    static const bool installed = [] {
        QAccessible::installFactory(&textBoxFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setAlignment(Qt::AlignCenter);
    setFrame(true);
}

void TextBox::setText(const QString &text)
{
    const bool changed = text != QLineEdit::text();
    QLineEdit::setText(text);
    fitText();
    bool isNumber = false;
    const double value = text.toDouble(&isNumber);
    if (changed && isNumber) {
        QAccessibleValueChangeEvent event(this, value);
        QAccessible::updateAccessibility(&event);
    }
}

void TextBox::setBackColor(Colour colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Base, QColor(Red(colour), Green(colour), Blue(colour)));
    setPalette(colours);
}

void TextBox::setFont(const QFont &font)
{
    m_font = font;
    fitText();
}

QSize TextBox::textArea() const
{
    return pixelRect().size() - QSize(2 * FrameAndMargin, 2 * FrameAndMargin);
}

void TextBox::geometryChanged(const QRect &)
{
    setGeometry(pixelRect());
    fitText();
}

void TextBox::fitText()
{
    QLineEdit::setFont(FittedFont(m_font, text(), textArea(), TextFlow::SingleLine));
}

} // namespace forms
