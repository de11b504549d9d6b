// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frminforundali.h"
#include "frmrundali.h"
#include "formstest.h"
#include "rundalitest.h"

#include "commandbutton.h"
#include "font.h"
#include "formregistry.h"
#include "label.h"
#include "screen.h"
#include "textbox.h"
#include "textfit.h"

#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <cmath>

using formstest::qs;
using forms::RGB;

namespace {

frmRundali &window()
{
    return forms::FormRegistry::instance<frmRundali>();
}

frmInfoRundali &infoForm()
{
    return forms::FormRegistry::instance<frmInfoRundali>();
}

float wholePixels(double twips)
{
    return static_cast<float>(std::lround(twips / forms::TwipsPerPixel) * forms::TwipsPerPixel);
}

QString credit()
{
    return QStringLiteral("Ein Lehrprogramm zur additiven Farbmischung");
}

// A button of the window by the name its design gives it; null if none.
forms::CommandButton *buttonNamed(const frmRundali &form, const QString &name)
{
    for (forms::PlacedControl *control : form.controls())
        if (auto *button = dynamic_cast<forms::CommandButton *>(control); button && qs(button->Name()) == name)
            return button;
    return nullptr;
}

} // namespace

class tst_RundaliLayout : public rundalitest::RundaliTest
{
    Q_OBJECT

private slots:
    void windowSize();
    void userUnits();
    void controls_data();
    void controls();
    void tabOrder();
    void looks();
    void captionsFit_data();
    void captionsFit();
    void textBoxTextsFit_data();
    void textBoxTextsFit();
    void infoWindow_data();
    void infoWindow();
    void infoWindowFrame();
};

void tst_RundaliLayout::windowSize()
{
    frmRundali &form = window();
    const double height = forms::Screen::Height() * 0.98;
    if (forms::Screen::Height() == 11520)
        QCOMPARE(static_cast<float>(height), 11289.6f);
    QCOMPARE(form.Height(), wholePixels(static_cast<float>(height)));
    QCOMPARE(form.Width(), wholePixels(form.Height() * 1.25));
    // One twip from the screen's corner is less than a pixel.
    QCOMPARE(form.Left(), 0.0f);
    QCOMPARE(form.Top(), 0.0f);

    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(formstest::widget(&form)));
    QCOMPARE(formstest::widget(&form)->frameGeometry().topLeft(), QPoint(0, 0));
    QCOMPARE(form.Height(), wholePixels(static_cast<float>(height)));
}

void tst_RundaliLayout::userUnits()
{
    frmRundali &form = window();
    QCOMPARE(form.ScaleWidth(), 3000.0f);
    const float scaleHeight = form.Height() * 3000 / form.Width();
    QCOMPARE(form.ScaleHeight(), scaleHeight);
    QCOMPARE(form.ScaleTop(), -scaleHeight / 2);
    QCOMPARE(form.ScaleLeft(), form.ScaleTop());
    // The units span the whole inner area; the origin lies half-way down.
    const QPointF topLeft = formstest::qt(form.mapping().toLogical(form.ScaleLeft(), form.ScaleTop()));
    const QPointF bottomRight = formstest::qt(
        form.mapping().toLogical(form.ScaleLeft() + form.ScaleWidth(), form.ScaleTop() + form.ScaleHeight()));
    const QSize size = formstest::qt(form.logicalSize());
    QVERIFY(std::hypot(topLeft.x(), topLeft.y()) < 1e-6);
    QVERIFY(std::hypot(bottomRight.x() - size.width(), bottomRight.y() - size.height()) < 1e-6);
    QVERIFY(std::fabs(form.mapping().toLogical(0, 0).y() - size.height() / 2.0) < 1e-6);
}

void tst_RundaliLayout::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRectF>("place");

    QTest::newRow("Start1") << "Start1" << QRectF(1200, -900, 200, 100);
    QTest::newRow("Start2") << "Start2" << QRectF(1500, -900, 200, 100);
    QTest::newRow("start3") << "start3" << QRectF(1200, -700, 200, 100);
    QTest::newRow("cmdStop") << "cmdStop" << QRectF(1500, -700, 200, 100);
    QTest::newRow("cmdEnde") << "cmdEnde" << QRectF(1200, -500, 200, 100);
    QTest::newRow("cmdInfo") << "cmdInfo" << QRectF(1500, -500, 200, 100);
    QTest::newRow("Text1") << "Text1" << QRectF(1200, -300, 500, 200);
    QTest::newRow("Text2") << "Text2" << QRectF(1200, 0, 500, 200);
    QTest::newRow("Text3") << "Text3" << QRectF(1200, 300, 500, 200);
}

void tst_RundaliLayout::controls()
{
    QFETCH(QString, name);
    QFETCH(QRectF, place);

    frmRundali &form = window();
    const forms::Control *control = formstest::controlNamed(&form, name);
    QVERIFY(control);
    constexpr double Tolerance = 0.01;
    QVERIFY(std::fabs(control->Left() - place.left()) < Tolerance);
    QVERIFY(std::fabs(control->Top() - place.top()) < Tolerance);
    QVERIFY(std::fabs(control->Width() - place.width()) < Tolerance);
    QVERIFY(std::fabs(control->Height() - place.height()) < Tolerance);

    // Inside the strip right of the figures, inside the window.
    const QRect pixels = formstest::qt(control->pixelRect());
    QVERIFY(pixels.left() >= qFloor(form.mapping().toLogical(1200, 0).x()));
    QVERIFY(QRect(QPoint(0, 0), formstest::qt(form.logicalSize())).contains(pixels));
}

void tst_RundaliLayout::tabOrder()
{
    frmRundali &form = window();
    form.Show();
    using formstest::widget;
    const QList<QWidget *> expected = {widget(form.Start1), widget(form.Start2), widget(form.start3),
                                       widget(form.cmdStop), widget(form.Text1),  widget(form.Text2),
                                       widget(form.Text3),   widget(form.cmdEnde), widget(form.cmdInfo)};
    QCOMPARE(formstest::focusWidget(&form), widget(form.Start1));
    for (qsizetype i = 1; i < expected.size(); ++i)
        QCOMPARE(expected.at(i - 1)->nextInFocusChain(), expected.at(i));
    // Real Tab presses go round it, Shift+Tab back.
    for (qsizetype i = 1; i <= expected.size(); ++i) {
        QTest::keyClick(widget(&form)->windowHandle(), Qt::Key_Tab);
        QCOMPARE(formstest::focusWidget(&form), expected.at(i % expected.size()));
    }
    QTest::keyClick(widget(&form)->windowHandle(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(formstest::focusWidget(&form), expected.back());
}

void tst_RundaliLayout::looks()
{
    frmRundali &form = window();
    QCOMPARE(qs(form.Caption()), QStringLiteral("Rundali und Tubarin       ") + credit());
    QCOMPARE(form.BackColor(), RGB(64, 64, 64));
    QVERIFY(formstest::image(form.image()) == [&] {
        QImage grey(formstest::qt(form.image().size()), QImage::Format_RGB32);
        grey.fill(QColor(64, 64, 64));
        return grey;
    }());

    for (forms::CommandButton *button : {form.Start1, form.Start2, form.start3, form.cmdEnde, form.cmdInfo})
        QVERIFY2(button->font().bold(), button->Caption().c_str());
    QVERIFY(!form.cmdStop->font().bold());

    const QColor backgrounds[] = {QColor(255, 128, 128), QColor(0, 255, 0), QColor(128, 128, 255)};
    const forms::TextBox *boxes[] = {form.Text1, form.Text2, form.Text3};
    for (int i = 0; i < 3; ++i) {
        const auto *shown = qobject_cast<const QLineEdit *>(formstest::widget(boxes[i]));
        QCOMPARE(qs(boxes[i]->Text()), QStringLiteral("Text%1").arg(i + 1));
        QCOMPARE(shown->palette().color(QPalette::Base), backgrounds[i]);
        QCOMPARE(shown->alignment(), Qt::AlignCenter);
        QVERIFY(!boxes[i]->font().bold());
        QCOMPARE(boxes[i]->font().pixelSize(), forms::ClassicFont(24, false).pixelSize());
    }
    QCOMPARE(form.haltFlag, 0);
    QCOMPARE(form.currentFigure, colourrules::Figure::None);
    QCOMPARE(static_cast<double>(form.piValue), 3.1415927410125732);
    QCOMPARE(static_cast<double>(form.angleStep), 0.012566370889544487);
}

void tst_RundaliLayout::captionsFit_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");

    QTest::newRow("Start1") << "Start1" << "Start1";
    QTest::newRow("Start2") << "Start2" << "Start2";
    QTest::newRow("start3") << "start3" << "Start3";
    QTest::newRow("cmdStop halting") << "cmdStop" << "Halt";
    QTest::newRow("cmdStop halted") << "cmdStop" << "Weiter";
    QTest::newRow("cmdEnde") << "cmdEnde" << "Ende";
    QTest::newRow("cmdInfo closed") << "cmdInfo" << "Info On";
    QTest::newRow("cmdInfo open") << "cmdInfo" << "Info Off";
}

void tst_RundaliLayout::captionsFit()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);

    forms::CommandButton *button = buttonNamed(window(), name);
    QVERIFY(button);
    button->setCaption(caption.toStdString());
    QVERIFY(forms::TextFits(button->font(), caption.toStdString(), button->captionArea(), forms::TextFlow::SingleLine));
}

void tst_RundaliLayout::textBoxTextsFit_data()
{
    QTest::addColumn<QString>("text");
    for (const char *text : {"Text1", "Text2", "Text3", "255", "64", "0"})
        QTest::newRow(text) << text;
}

void tst_RundaliLayout::textBoxTextsFit()
{
    QFETCH(QString, text);
    frmRundali &form = window();
    for (forms::TextBox *box : {form.Text1, form.Text2, form.Text3}) {
        box->setText(text.toStdString());
        QVERIFY(forms::TextFits(box->font(), text.toStdString(), box->textArea(), forms::TextFlow::SingleLine));
    }
}

void tst_RundaliLayout::infoWindow_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<forms::Colour>("background");
    QTest::addColumn<int>("tabIndex");
    QTest::addColumn<QString>("text");

    QTest::newRow("Label1, top left")
        << "Label1" << QRect(16, 8, 393, 201) << RGB(255, 224, 192) << 3
        << QStringLiteral("Der Rundali wird mit Start1 aufgerufen. Er zeigt alle Farbtöne des Spektrumsvon Blau "
                          "bis Rot in der dem Computer maximal möglichen Sättigung und schließt sich über die "
                          "Purpurtöne, die im Spektrum nicht vor- kommen. Benachbarte Farben sind auch "
                          "empfindungs- gemäß benachbart. Ein singulärer Punkt tritt allerdings in der Mitte auf, "
                          "wo alle Farbtöne aufeinandertreffen. Diametral gegenüberliegende Farbtöne sind komple- "
                          "mentär, ergänzen sich also zu Weiß.");
    QTest::newRow("Label3, top right")
        << "Label3" << QRect(424, 8, 401, 201) << RGB(192, 255, 192) << 1
        << QStringLiteral("Mit Start2 wird die zunächst eindimensionale Mannig- faltikeit der Farbtöne auf zwei "
                          "Dimensionen erweitert: Die Sättigung der Farben nimmt zur Mitte hin ab bis zum Weiß im "
                          "Mittelpunkt. Mit dem Mauszeiger läßt sich nun wieder erkunden, wie der Computer die "
                          "ungesättigteren Farbvalenzen erzeugt. Während im Rundali der (für den Computer) maximal "
                          "gesättigten Farbtöne jeweil nur zwei Farbkomponenten von 0 verschiedene Werte hatten "
                          "kommt nun eine dritte Komponente hinzu, so dass ein Weißanteil entsteht.");
    QTest::newRow("Label2, bottom left")
        << "Label2" << QRect(16, 216, 393, 209) << RGB(255, 255, 192) << 0
        << QStringLiteral("Setzt man den Mauszeiger auf irgend einen Farbpunkt des Kreises, so erscheinen in den "
                          "drei Fenstern Rot, Grün und Blau die Werte des Farbpunktes im RGB-Code. Man erkennt so, "
                          "wie der Computer den jeweiligen Farbton aus den Grundfarben Rot, Grün und Blau additiv "
                          "zusammenmischt. ");
    QTest::newRow("Label4, bottom right")
        << "Label4" << QRect(424, 216, 401, 209) << RGB(192, 255, 255) << 2
        << QStringLiteral("Mit Start3 wird schließlich die dritte Dimension der Farbwelt erschlossen: Man denke "
                          "sich viele Rundalie, wie sie mit Start2  erzeugt werden, zu einem Stapel auf- "
                          "einandergelegt. Dabei soll die Helligkeit der Rundalie in dem Stapel nach unten hin "
                          "abnehmen. So entsteht ein Tubarin, auf dessen Achse die unbunten Farben vom Schwarz "
                          "(unten) bis zum hellsten Weiß oben liegen. Auf dem Zylindermantel liegen die maximal "
                          "gesättigten Farben, von oben nach unten in der Helligkeit ab- nehmend.");
}

void tst_RundaliLayout::infoWindow()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    QFETCH(forms::Colour, background);
    QFETCH(int, tabIndex);
    QFETCH(QString, text);

    // Opened as a user opens it, from the main window.
    frmRundali &form = window();
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(formstest::widget(&form)));
    formstest::click(form.cmdInfo);
    frmInfoRundali &info = infoForm();
    QWidget *infoWindow = formstest::widget(&info);
    QVERIFY(QTest::qWaitForWindowExposed(infoWindow));
    QVERIFY(formstest::withinScreen(infoWindow));
    QVERIFY(formstest::placedOver(infoWindow, formstest::widget(&form), formstest::widget(form.cmdInfo)));

    const forms::Label *label = formstest::labelNamed(&info, name);
    QVERIFY(label);
    QCOMPARE(qs(label->Caption()), text);
    if (formstest::designFits(infoWindow, QSize(830, 440)))
        QCOMPARE(formstest::qt(label->pixelRect()), pixels);
    QCOMPARE(label->BackColor(), background);
    QCOMPARE(label->TabIndex(), tabIndex);
    QCOMPARE(label->alignment(), forms::Label::Alignment::Left);
    QCOMPARE(label->font().pixelSize(), forms::ClassicFont(12, false).pixelSize());
    QVERIFY(!label->font().bold());
    QVERIFY(formstest::readable(label));
}

void tst_RundaliLayout::infoWindowFrame()
{
    frmInfoRundali &info = infoForm();
    QCOMPARE(qs(info.Caption()), QStringLiteral("Informationen zum Rundal      ") + credit());
    QCOMPARE(formstest::qt(info.logicalSize()), QSize(830, 440));
    QCOMPARE(info.BackColor(), RGB(192, 192, 192));
    // Between the panels the grey background shows (the image holds device pixels).
    const double dpr = info.mapping().devicePixelRatio();
    QCOMPARE(forms::FromPixel(info.image().pixel(formstest::core(QPoint(4, 4) * dpr))), RGB(192, 192, 192));
    QCOMPARE(forms::FromPixel(info.image().pixel(formstest::core(QPoint(412, 100) * dpr))), RGB(192, 192, 192));
}

QTEST_MAIN(tst_RundaliLayout)
#include "tst_rundalilayout.moc"
