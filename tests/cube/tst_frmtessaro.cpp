// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frminfotessaro.h"
#include "frmtessaro.h"

#include "commandbutton.h"
#include "cubetest.h"
#include "font.h"
#include "formregistry.h"
#include "formstest.h"
#include "label.h"
#include "picturebox.h"
#include "textfit.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWidget>

using forms::Colour;
using forms::RGB;
using formstest::qs;
using formstest::qt;
using formstest::widget;

namespace {

constexpr Colour FormGrey = RGB(128, 128, 128);
constexpr Colour Marker = RGB(10, 200, 30);
constexpr float Tolerance = 0.01f;

// The middle of each face shows the face's own component.
bool cubeIsDrawn(const frmTessaro &form)
{
    const auto shown = [&form](QPointF at) { return cubetest::Components(form.Picture1->Point(at.x(), at.y())); };
    return shown(cubetest::pictured(127.5f, 0, 127.5f)).green == 0
           && shown(cubetest::pictured(0, 127.5f, 127.5f)).red == 0
           && shown(cubetest::pictured(127.5f, 127.5f, 255)).blue == 255;
}

} // namespace

// The main window on a screen of 1024 x 768 pixels: layout, state at start, buttons.
class TestFrmTessaro : public cubetest::TessaroTest
{
    Q_OBJECT

private slots:
    void windowCoversScreen()
    {
        // 0.98 of the screen is 1003.52 x 752.64 pixels, rounded to whole ones.
        QCOMPARE(form->Width(), float(1004 * forms::TwipsPerPixel));
        QCOMPARE(form->Height(), float(753 * forms::TwipsPerPixel));
        QVERIFY(form->Left() < forms::TwipsPerPixel && form->Top() < forms::TwipsPerPixel);
    }

    void unitsSpanInnerAreas_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRectF>("span");
        QTest::newRow("window") << QString() << QRectF(QPointF(0, -1000), QPointF(3000, 1250));
        QTest::newRow("cube, y up") << QStringLiteral("Picture1") << QRectF(QPointF(10, 570), QPointF(640, -60));
        QTest::newRow("section, y up") << QStringLiteral("Picture2") << QRectF(QPointF(0, 255), QPointF(255, 0));
    }
    void unitsSpanInnerAreas()
    {
        QFETCH(QString, name);
        QFETCH(QRectF, span);
        const forms::DrawingSurface *surface = form;
        if (!name.isEmpty())
            surface = dynamic_cast<const forms::PictureBox *>(formstest::controlNamed(form, name));
        QVERIFY(surface);
        const QPointF first = qt(surface->mapping().fromLogical(forms::PointF(0, 0)));
        const forms::Size size = surface->logicalSize();
        const QPointF last = qt(surface->mapping().fromLogical(forms::PointF(size.width(), size.height())));
        QVERIFY(QLineF(first, span.topLeft()).length() < Tolerance);
        QVERIFY(QLineF(last, span.bottomRight()).length() < Tolerance);
    }

    void controlsLaidOut_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRectF>("place");
        // In window units; the axis labels in the cube's, hanging down from their top.
        QTest::newRow("Picture1") << QStringLiteral("Picture1") << QRectF(50, -900, 1600, 1600);
        QTest::newRow("Picture2") << QStringLiteral("Picture2") << QRectF(1800, -900, 1000, 1000);
        QTest::newRow("Label8") << QStringLiteral("Label8") << QRectF(1800, 150, 1000, 100);
        QTest::newRow("Picture4") << QStringLiteral("Picture4") << QRectF(1800, 350, 200, 200);
        QTest::newRow("Label4") << QStringLiteral("Label4") << QRectF(2000, 380, 100, 100);
        QTest::newRow("Picture5") << QStringLiteral("Picture5") << QRectF(2100, 350, 200, 200);
        QTest::newRow("Label5") << QStringLiteral("Label5") << QRectF(2300, 380, 100, 100);
        QTest::newRow("Picture6") << QStringLiteral("Picture6") << QRectF(2400, 350, 200, 200);
        QTest::newRow("Label6") << QStringLiteral("Label6") << QRectF(2600, 380, 100, 100);
        QTest::newRow("Picture3") << QStringLiteral("Picture3") << QRectF(2700, 350, 200, 200);
        QTest::newRow("cmdStart") << QStringLiteral("cmdStart") << QRectF(1800, 650, 300, 200);
        QTest::newRow("cmdInfo") << QStringLiteral("cmdInfo") << QRectF(2150, 650, 300, 200);
        QTest::newRow("cmdEnde") << QStringLiteral("cmdEnde") << QRectF(2500, 650, 300, 200);
        QTest::newRow("Label1 r") << QStringLiteral("Label1") << QRectF(570, -10, 40, 40);
        QTest::newRow("Label2 b") << QStringLiteral("Label2") << QRectF(180, 560, 40, 40);
        QTest::newRow("Label3 g") << QStringLiteral("Label3") << QRectF(20, 120, 40, 40);
        QTest::newRow("Label10 O") << QStringLiteral("Label10") << QRectF(180, -10, 40, 40);
    }
    void controlsLaidOut()
    {
        QFETCH(QString, name);
        QFETCH(QRectF, place);
        const forms::Control *control = formstest::controlNamed(form, name);
        QVERIFY(control);
        const QRectF actual(control->Left(), control->Top(), control->Width(), control->Height());
        const QString found =
            QStringLiteral("%1, %2, %3, %4").arg(actual.x()).arg(actual.y()).arg(actual.width()).arg(actual.height());
        QVERIFY2(QLineF(actual.topLeft(), place.topLeft()).length() < Tolerance
                     && QLineF(actual.bottomRight(), place.bottomRight()).length() < Tolerance,
                 qPrintable(found));
    }

    void designedPlacesKept()
    {
        // Label7 gets only a top in window units; the rest stays as designed in pixels.
        QVERIFY(std::abs(form->Label7->Top() - 800) < Tolerance);
        QCOMPARE(form->Label7->pixelRect().left(), 96);
        QCOMPARE(qt(form->Label7->pixelRect().size()), QSize(305, 41));
        QCOMPARE(qt(form->Label9->pixelRect()), QRect(56, 64, 209, 73));
    }

    void startShowsNothingDrawn()
    {
        QCOMPARE(qs(form->cmdStart->Caption()), QStringLiteral("Start"));
        QCOMPARE(qs(form->cmdInfo->Caption()), QStringLiteral("Info ON"));
        QVERIFY(!form->Label7->Visible());
        QVERIFY(!cubetest::anyPixelOtherThan(form, qt(form->Label7->pixelRect()), FormGrey));
        QVERIFY(!cubetest::anyPixelOtherThan(form->Picture1, QRect(100, 100, 300, 300), RGB(192, 192, 192)));
        QVERIFY(!forms::FormRegistry::find<frmInfoTessaro>());
        // Black, with the white placeholder text.
        QCOMPARE(cubetest::colourAt(form->Picture2, QPoint(5, 5)), 0);
        QVERIFY(cubetest::anyPixelOtherThan(form->Picture2, qt(form->Label9->pixelRect()), 0));

        const QColor face = QApplication::palette().color(QPalette::Button);
        for (const forms::PictureBox *square : {form->Picture3, form->Picture4, form->Picture5, form->Picture6})
            QCOMPARE(formstest::describe(cubetest::colourAt(square, QPoint(5, 5))),
                     formstest::describe(RGB(face.red(), face.green(), face.blue())));
        QCOMPARE(formstest::accessibleText(form->Picture1, QAccessible::Description),
                 QStringLiteral("Noch nicht gezeichnet"));
        QCOMPARE(formstest::accessibleText(form->Picture4, QAccessible::Name), QStringLiteral("Rotanteil"));
    }

    void focusOnStartNoDefaultButton()
    {
        QCOMPARE(formstest::focusWidget(form), widget(form->cmdStart));
        for (const forms::CommandButton *button : {form->cmdStart, form->cmdInfo, form->cmdEnde}) {
            const auto *shown = qobject_cast<const QPushButton *>(formstest::button(button));
            QVERIFY(shown && !shown->isDefault() && !shown->autoDefault());
        }
        // Tab and Shift+Tab go round the buttons in their designed order.
        for (const QWidget *next : {widget(form->cmdInfo), widget(form->cmdEnde), widget(form->cmdStart)}) {
            QTest::keyClick(widget(form)->windowHandle(), Qt::Key_Tab);
            QCOMPARE(formstest::focusWidget(form), next);
        }
        QTest::keyClick(widget(form)->windowHandle(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(formstest::focusWidget(form), widget(form->cmdEnde));
    }

    void startDrawsCubeAndBlackensSquares_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("key"); // 0: the mouse
        QTest::newRow("captioned Start") << QStringLiteral("Start") << 0;
        QTest::newRow("captioned Löschen") << QStringLiteral("Löschen") << 0;
        QTest::newRow("by Space") << QStringLiteral("Start") << int(Qt::Key_Space);
        QTest::newRow("by Return") << QStringLiteral("Löschen") << int(Qt::Key_Return);
        QTest::newRow("by keypad Enter") << QStringLiteral("Start") << int(Qt::Key_Enter);
    }
    void startDrawsCubeAndBlackensSquares()
    {
        QFETCH(QString, caption);
        QFETCH(int, key);
        form->cmdStart->setCaption(caption.toStdString());
        const QList<forms::PictureBox *> squares{form->Picture2, form->Picture3, form->Picture4, form->Picture5,
                                                 form->Picture6};
        for (forms::PictureBox *square : squares)
            square->setBackColor(Marker);

        if (key)
            formstest::pressKey(form->cmdStart, Qt::Key(key));
        else
            formstest::click(form->cmdStart);

        QVERIFY(cubeIsDrawn(*form));
        QVERIFY(formstest::accessibleText(form->Picture1, QAccessible::Description).startsWith("Rot nach rechts"));
        for (const forms::PictureBox *square : squares) {
            QCOMPARE(square->BackColor(), 0);
            QCOMPARE(cubetest::colourAt(square, QPoint(5, 5)), 0);
        }
        QVERIFY(form->Label7->Visible());
        QVERIFY(cubetest::anyPixelOtherThan(form, qt(form->Label7->pixelRect()), FormGrey));
        QCOMPARE(qs(form->cmdStart->Caption()), caption);
    }

    void infoShowsAndHides_data()
    {
        QTest::addColumn<bool>("drawnBefore");
        QTest::addColumn<bool>("closedByUser");
        QTest::addColumn<bool>("escape");
        QTest::newRow("cube never drawn") << false << false << false;
        QTest::newRow("cube drawn") << true << false << false;
        QTest::newRow("info closed by its own close control") << false << true << false;
        QTest::newRow("Escape in the info window") << true << false << true;
    }
    void infoShowsAndHides()
    {
        QFETCH(bool, drawnBefore);
        QFETCH(bool, closedByUser);
        QFETCH(bool, escape);
        if (drawnBefore)
            formstest::click(form->cmdStart);
        form->Picture4->setBackColor(Marker);

        formstest::click(form->cmdInfo);
        QCOMPARE(qs(form->cmdInfo->Caption()), QStringLiteral("Info OFF"));
        QCOMPARE(formstest::accessibleText(form->cmdInfo, QAccessible::Name), QStringLiteral("Info OFF"));
        const frmInfoTessaro *shown = forms::FormRegistry::find<frmInfoTessaro>();
        // The window goes exactly when the form does.
        const QPointer<QWidget> info = shown ? widget(shown) : nullptr;
        QVERIFY(info && info->isVisible() && !info->parentWidget());
        QCOMPARE(qs(form->cmdStart->Caption()), QStringLiteral("Start"));
        QCOMPARE(cubeIsDrawn(*form), drawnBefore);
        if (closedByUser)
            QVERIFY(info->close());
        if (drawnBefore)
            form->Picture1->Cls();

        if (escape)
            QTest::keyClick(info->windowHandle(), Qt::Key_Escape);
        else
            formstest::click(form->cmdInfo);
        QCOMPARE(qs(form->cmdInfo->Caption()), QStringLiteral("Info ON"));
        QCOMPARE(qs(form->cmdStart->Caption()), QStringLiteral("Löschen"));
        QVERIFY(!forms::FormRegistry::find<frmInfoTessaro>());
        QTRY_VERIFY(info.isNull());
        QVERIFY(cubeIsDrawn(*form));
        QCOMPARE(form->Picture4->BackColor(), Marker);
        QCOMPARE(form->Label7->Visible(), drawnBefore);
        QVERIFY(!forms::FormRegistry::programEnded());
    }

    // The main window closed by its frame, Escape still closes the info window, and
    // with it the program ends, as after the frame's own button.
    void escapeClosesInfoLeftAlone()
    {
        formstest::click(form->cmdInfo);
        const frmInfoTessaro *shown = forms::FormRegistry::find<frmInfoTessaro>();
        const QPointer<QWidget> info = shown ? widget(shown) : nullptr;
        const QPointer<QWidget> main = widget(form);
        QVERIFY(info && main->close());
        QTRY_VERIFY(main.isNull());
        QVERIFY(!forms::FormRegistry::programEnded());

        QTest::keyClick(info->windowHandle(), Qt::Key_Escape);
        QVERIFY(forms::FormRegistry::programEnded());
        QCOMPARE(forms::FormRegistry::loadedCount(), 0);
        QTRY_VERIFY(info.isNull());
    }

    // Escape is how a pupil cancels something or stops a screen reader: the main window
    // and what it shows stay.
    void escapeKeepsTheMainWindow_data()
    {
        QTest::addColumn<bool>("drawn");
        QTest::newRow("before a drawing") << false;
        QTest::newRow("after a drawing and a cut") << true;
    }
    void escapeKeepsTheMainWindow()
    {
        QFETCH(bool, drawn);
        if (drawn) {
            formstest::click(form->cmdStart);
            const QPointF middle = cubetest::pictured(127.5f, 0, 127.5f);
            QVERIFY(cubetest::clickAt(form->Picture1, middle));
        }
        const QPointer<QWidget> main = widget(form);
        const forms::PixelBuffer cube = form->Picture1->image();
        const forms::PixelBuffer section = form->Picture2->image();

        QTest::keyClick(main->windowHandle(), Qt::Key_Escape);
        QCoreApplication::processEvents();

        QVERIFY(main && form->IsLoaded() && main->isVisible());
        QVERIFY(!forms::FormRegistry::programEnded());
        QVERIFY(form->Picture1->image() == cube);
        QVERIFY(form->Picture2->image() == section);
    }

    void endUnloadsBothWindows_data()
    {
        QTest::addColumn<bool>("infoShown");
        QTest::newRow("info shown") << true;
        QTest::newRow("info not shown") << false;
    }
    void endUnloadsBothWindows()
    {
        QFETCH(bool, infoShown);
        if (infoShown)
            formstest::click(form->cmdInfo);
        QCOMPARE(forms::FormRegistry::find<frmInfoTessaro>() != nullptr, infoShown);
        const QPointer<QWidget> main = widget(form);

        formstest::click(form->cmdEnde);

        QVERIFY(forms::FormRegistry::programEnded());
        QCOMPARE(forms::FormRegistry::loadedCount(), 0);
        QVERIFY(!forms::FormRegistry::find<frmInfoTessaro>());
        QTRY_VERIFY(main.isNull());
    }

    void repaintKeepsDrawings()
    {
        formstest::click(form->cmdStart);
        const QPointF middle = cubetest::pictured(127.5f, 0, 127.5f);
        const QPoint face = formstest::pixelOf(form->Picture1, middle.x(), middle.y());
        QVERIFY(cubetest::clickAt(form->Picture1, cubetest::centreOf(form->Picture1, face)));
        const QPoint section(300, 300);
        const Colour faceColour = cubetest::colourAt(form->Picture1, face);
        const Colour sectionColour = cubetest::colourAt(form->Picture2, section);
        QVERIFY(sectionColour != 0);

        widget(form)->hide();
        form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(widget(form)));
        widget(form)->repaint();

        // The grab holds device pixels: the one Point reads.
        const auto shown = [](forms::DrawingSurface *surface, QPoint pixel) {
            const QPointF user = cubetest::centreOf(surface, pixel);
            const QPoint device = formstest::devicePixelOf(surface, float(user.x()), float(user.y()));
            return formstest::describe(forms::FromPixel(widget(surface)->grab().toImage().pixel(device)));
        };
        QCOMPARE(shown(form->Picture1, face), formstest::describe(faceColour));
        QCOMPARE(shown(form->Picture2, section), formstest::describe(sectionColour));
    }

    void textsFit_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        // Bold 13.5 point, the origin 18 point, at 96 dots per inch.
        QTest::addColumn<int>("pixels");
        QTest::newRow("cmdStart Start") << QStringLiteral("cmdStart") << QStringLiteral("Start") << 18;
        QTest::newRow("cmdStart Löschen") << QStringLiteral("cmdStart") << QStringLiteral("Löschen") << 18;
        QTest::newRow("cmdInfo Info ON") << QStringLiteral("cmdInfo") << QStringLiteral("Info ON") << 18;
        QTest::newRow("cmdInfo Info OFF") << QStringLiteral("cmdInfo") << QStringLiteral("Info OFF") << 18;
        QTest::newRow("cmdEnde") << QStringLiteral("cmdEnde") << QStringLiteral("Ende") << 18;
        QTest::newRow("Label1") << QStringLiteral("Label1") << QStringLiteral("r") << 18;
        QTest::newRow("Label2") << QStringLiteral("Label2") << QStringLiteral("b") << 18;
        QTest::newRow("Label3") << QStringLiteral("Label3") << QStringLiteral("g") << 18;
        QTest::newRow("Label4") << QStringLiteral("Label4") << QStringLiteral("+") << 18;
        QTest::newRow("Label5") << QStringLiteral("Label5") << QStringLiteral("+") << 18;
        QTest::newRow("Label6") << QStringLiteral("Label6") << QStringLiteral("=") << 18;
        QTest::newRow("Label7") << QStringLiteral("Label7") << QStringLiteral("Auf die Würfelflächen klicken!") << 18;
        QTest::newRow("Label8") << QStringLiteral("Label8") << QStringLiteral("Maus über Schnittfläche bewegen!")
                                << 18;
        QTest::newRow("Label9") << QStringLiteral("Label9")
                                << QStringLiteral("Hier erscheint die markierte Schnittfläche in Farbe") << 18;
        QTest::newRow("Label10") << QStringLiteral("Label10") << QStringLiteral("O") << 24;
    }
    void textsFit()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(int, pixels);
        forms::Font font;
        if (auto *button = buttonNamed(name)) {
            button->setCaption(caption.toStdString());
            font = button->font();
            QVERIFY(forms::TextFits(font, caption.toStdString(), button->captionArea(), forms::TextFlow::SingleLine));
        } else {
            const forms::Label *label = formstest::labelNamed(form, name);
            QVERIFY(label);
            QCOMPARE(qs(label->Caption()), caption);
            font = label->paintedFont();
            QVERIFY(forms::TextFits(font, caption.toStdString(), label->pixelRect().size(), forms::TextFlow::WordWrap));
        }
        // Fitting without shrinking: the font is the one designed.
        QCOMPARE(font.pixelSize(), pixels);
        QVERIFY(font.bold());
    }

private:
    // A button of the window by the name its design gives it; null if none.
    forms::CommandButton *buttonNamed(const QString &name) const
    {
        for (forms::PlacedControl *placed : form->controls())
            if (auto *button = dynamic_cast<forms::CommandButton *>(placed); button && qs(button->Name()) == name)
                return button;
        return nullptr;
    }
};

QTEST_MAIN(TestFrmTessaro)
#include "tst_frmtessaro.moc"
