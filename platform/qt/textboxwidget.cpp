// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textboxwidget.h"

#include "qtconvert.h"
#include "readonlytext.h"
#include "textbox.h"

#include <QAccessibleValueChangeEvent>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

#include <optional>

namespace forms::qt {

namespace {

// A box that shows a number: its text, and the number as its value, so that a reader
// can tell it by its name and value.
class TextBoxAccessible final : public QAccessibleWidget, public ReadOnlyText, public QAccessibleValueInterface
{
public:
    explicit TextBoxAccessible(TextBoxWidget *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

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
    TextBoxWidget *box() const { return static_cast<TextBoxWidget *>(widget()); }
    std::optional<double> number() const
    {
        bool ok = false;
        const double value = box()->text().toDouble(&ok);
        return ok ? std::optional(value) : std::nullopt;
    }
};

QAccessibleInterface *textBoxFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("forms::qt::TextBoxWidget") && object && object->isWidgetType())
        return new TextBoxAccessible(static_cast<TextBoxWidget *>(object));
    return nullptr;
}

} // namespace

TextBoxWidget::TextBoxWidget(TextBox &box, QWidget *parent) : QLineEdit(parent), m_box(box)
{
    static const bool installed = [] {
        QAccessible::installFactory(&textBoxFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setAlignment(Qt::AlignCenter);
    setFrame(true);
}

void TextBoxWidget::setGeometry(const Rect &place)
{
    QLineEdit::setGeometry(toQt(place));
}

void TextBoxWidget::setText(const std::string &text)
{
    const QString shown = QString::fromStdString(text);
    const bool changed = shown != QLineEdit::text();
    QLineEdit::setText(shown);
    bool isNumber = false;
    const double value = shown.toDouble(&isNumber);
    if (changed && isNumber) {
        QAccessibleValueChangeEvent event(this, value);
        QAccessible::updateAccessibility(&event);
    }
}

void TextBoxWidget::setBackColor(Colour colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Base, QColor(Red(colour), Green(colour), Blue(colour)));
    setPalette(colours);
}

void TextBoxWidget::setFont(const Font &font)
{
    QLineEdit::setFont(toQt(font));
}

} // namespace forms::qt
