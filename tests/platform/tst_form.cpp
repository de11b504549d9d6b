// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandbutton.h"
#include "doevents.h"
#include "form.h"
#include "formregistry.h"
#include "formstest.h"
#include "label.h"
#include "textfit.h"

#include <QAbstractButton>
#include <QCursor>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace {

// A form whose "Loop" button yields until the form is unloaded or a limit is hit,
// and whose "Close" button unloads it.
class YieldingForm : public forms::Form
{
public:
    YieldingForm() : Form("YieldingForm", 300 * 15, 200 * 15)
    {
        loop = new forms::CommandButton(this);
        loop->setCaption("Loop");
        loop->Move(10 * 15, 10 * 15, 80 * 15, 30 * 15);
        close = new forms::CommandButton(this);
        close->setCaption("Close");
        close->Move(100 * 15, 10 * 15, 80 * 15, 30 * 15);
        loop->Click.connect(this, &YieldingForm::loop_Click);
        close->Click.connect(this, [this] { Unload(); });
    }

    void loop_Click()
    {
        for (passes = 0; passes < 1000; ++passes) {
            PSet(1, 1, 0);
            if (!DoEvents())
                break;
        }
        ++loopsEnded;
    }

    void Form_Load() override { ++loads; }

    forms::CommandButton *loop;
    forms::CommandButton *close;
    int passes = 0;
    int loopsEnded = 0;
    int loads = 0;
};

class OtherForm : public forms::Form
{
public:
    OtherForm() : Form("OtherForm", 200 * 15, 100 * 15) {}
};

// Counts the times a widget is painted.
class PaintCount : public QObject
{
public:
    explicit PaintCount(QWidget *widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

QWidget *window(const forms::Form &form)
{
    return formstest::widget(&form);
}

} // namespace

class TestForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { formstest::prepare(); }
    void cleanup()
    {
        forms::Pacing::setEnabled(false);
        formstest::reset();
    }

    void outerSizeIsInTwips()
    {
        auto &form = forms::FormRegistry::instance<OtherForm>();
        form.setWidth(15052.8f);
        form.setHeight(11289.6f);
        form.Move(1, 1);
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(window(form)));
        QCOMPARE(double(form.Width()), 1004 * 15.0);
        QCOMPARE(double(form.Height()), 753 * 15.0);
        QCOMPARE(window(form)->frameGeometry(), QRect(0, 0, 1004, 753));
        QCOMPARE(double(form.Left()), 0.0);
    }

    void onlyResizableFormsFollowTheUser()
    {
        auto &fixed = forms::FormRegistry::instance<YieldingForm>();
        auto &resizable = forms::FormRegistry::instance<OtherForm>();
        resizable.setResizable(true);
        fixed.Show();
        resizable.Show();
        QVERIFY(QTest::qWaitForWindowExposed(window(resizable)));
        window(fixed)->resize(500, 400);
        window(resizable)->resize(500, 400);
        QTRY_COMPARE(double(resizable.Width()), 500 * 15.0);
        QCOMPARE(double(resizable.Height()), 400 * 15.0);
        QCOMPARE(formstest::qt(resizable.image().size()), QSize(500, 400) * resizable.mapping().devicePixelRatio());
        QCOMPARE(double(fixed.Width()), 300 * 15.0);
        QCOMPARE(window(fixed)->size(), QSize(300, 200));
    }

    void loadRunsOnceAndShowCreatesOnFirstUse()
    {
        QVERIFY(!forms::FormRegistry::find<YieldingForm>());
        auto &form = forms::FormRegistry::instance<YieldingForm>();
        form.Show();
        form.Show();
        QCOMPARE(form.loads, 1);
        QCOMPARE(&forms::FormRegistry::instance<YieldingForm>(), &form);
    }

    void programEndsWhenNoFormIsLoaded()
    {
        auto &first = forms::FormRegistry::instance<YieldingForm>();
        auto &second = forms::FormRegistry::instance<OtherForm>();
        first.Show();
        second.Show();
        forms::FormRegistry::unload<YieldingForm>();
        forms::FormRegistry::unload<YieldingForm>(); // not loaded: nothing happens
        QVERIFY(!window(first)->isVisible());
        QVERIFY(!forms::FormRegistry::programEnded());
        window(second)->close(); // the frame's close button
        QVERIFY(!second.IsLoaded());
        QVERIFY(forms::FormRegistry::programEnded());
    }

    void anUnloadedFormComesBackAsANewOne()
    {
        YieldingForm &first = forms::FormRegistry::instance<YieldingForm>();
        const QPointer<QWidget> firstWindow = window(first);
        forms::FormRegistry::instance<OtherForm>().Show();
        first.Show();
        first.Unload();
        QTRY_VERIFY(firstWindow.isNull());
        auto &second = forms::FormRegistry::instance<YieldingForm>();
        QCOMPARE(second.loads, 1);
        QVERIFY(second.IsLoaded());
    }

    void unloadInsideAYieldStopsTheLoopAndKeepsTheForm()
    {
        YieldingForm *form = &forms::FormRegistry::instance<YieldingForm>();
        const QPointer<QWidget> shown = window(*form);
        forms::FormRegistry::instance<OtherForm>().Show();
        form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        // The click on "Close" arrives while "Loop" is yielding.
        QTimer::singleShot(0, shown, [form] { formstest::click(form->close); });
        formstest::click(form->loop);
        QVERIFY(!shown.isNull());
        QCOMPARE(form->loopsEnded, 1);
        QVERIFY(form->passes < 1000);
        QVERIFY(!form->IsLoaded());
        QTRY_VERIFY(shown.isNull());
    }

    void nestedLoopsAllStopWhenTheFormGoes()
    {
        YieldingForm *form = &forms::FormRegistry::instance<YieldingForm>();
        const QPointer<QWidget> shown = window(*form);
        form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QTimer::singleShot(0, shown, [form, shown] {
            QTimer::singleShot(0, shown, [form] { formstest::click(form->close); });
            formstest::click(form->loop);
        });
        formstest::click(form->loop);
        QVERIFY(!shown.isNull());
        QCOMPARE(form->loopsEnded, 2);
        QVERIFY(forms::FormRegistry::programEnded());
        QTRY_VERIFY(shown.isNull());
    }

    void anUnloadedFormOutlivesEveryYieldOfItsHandler()
    {
        YieldingForm *form = &forms::FormRegistry::instance<YieldingForm>();
        const QPointer<QWidget> shown = window(*form);
        auto &other = forms::FormRegistry::instance<OtherForm>();
        other.Show();
        form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(window(other)));
        bool keptThroughTheYields = false;
        other.Click.connect([&] {
            form->Unload();
            for (int yields = 0; yields < 3; ++yields)
                other.DoEvents();
            keptThroughTheYields = !shown.isNull();
            if (shown)
                form->PSet(1, 1, 0);
        });
        formstest::clickAt(&other, other.ScaleWidth() / 2, other.ScaleHeight() / 2);
        QVERIFY(keptThroughTheYields);
        QTRY_VERIFY(shown.isNull());
    }

    void yieldHandlesInputQueuedByTheWindowSystem()
    {
        auto &form = forms::FormRegistry::instance<OtherForm>();
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(window(form)));
        formstest::SignalSpy moves(form.MouseMove);
        // The offscreen platform queues the move the pointer makes, as a window system does.
        QCursor::setPos(window(form)->mapToGlobal(QPoint(50, 40)));
        QCOMPARE(moves.count(), 0);
        form.DoEvents();
        QCOMPARE(moves.count(), 1);
    }

    void pacedYieldLastsAScreenRefresh()
    {
        auto &form = forms::FormRegistry::instance<YieldingForm>();
        form.Show();
        forms::Pacing::setEnabled(true);
        bool handled = false;
        QTimer::singleShot(0, window(form), [&handled] { handled = true; });
        QElapsedTimer timer;
        timer.start();
        QVERIFY(form.DoEvents());
        QVERIFY(timer.elapsed() >= forms::Pacing::frameMilliseconds() - 1);
        QVERIFY(handled);
    }

    void refreshShowsProgressWithoutTheEventLoop()
    {
        auto &form = forms::FormRegistry::instance<OtherForm>();
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(window(form)));
        QCoreApplication::processEvents();
        const PaintCount counted(window(form));
        forms::Pacing::setEnabled(true);
        form.PSet(100, 100, forms::RGB(255, 0, 0));
        QElapsedTimer timer;
        timer.start();
        form.Refresh();
        QCOMPARE(counted.paints, 1);
        // It waits out the frame, so that a drawing loop keeps the screen's pace.
        QVERIFY(timer.elapsed() >= forms::Pacing::frameMilliseconds() - 1);
    }

    void escapeIsReported()
    {
        auto &form = forms::FormRegistry::instance<YieldingForm>();
        form.Show();
        formstest::SignalSpy escapes(form.escapePressed);
        QTest::keyClick(window(form)->windowHandle(), Qt::Key_Escape);
        QCOMPARE(escapes.count(), 1);
        QVERIFY(form.IsLoaded());
    }

    void zeroScaleIsARuntimeError()
    {
        OtherForm form;
        QVERIFY_THROWS_EXCEPTION(formstest::RuntimeErrorRaised, form.setScaleWidth(0));
    }

    void captionsShrinkJustEnoughToFit()
    {
        auto &form = forms::FormRegistry::instance<YieldingForm>();
        const forms::Font bold = forms::ClassicFont(13.5, true);
        QCOMPARE(bold.pixelSize(), 18);
        form.loop->setFont(bold);
        form.loop->Move(0, 0, 63 * 15, 31 * 15);
        form.loop->setCaption("Info Off");
        const forms::Size area = form.loop->captionArea();
        const forms::Font fitted = form.loop->font();
        QVERIFY(fitted.pixelSize() < 18);
        QVERIFY(forms::TextFits(fitted, "Info Off", area, forms::TextFlow::SingleLine));
        forms::Font larger = fitted;
        larger.setPixelSize(fitted.pixelSize() + 1);
        QVERIFY(!forms::TextFits(larger, "Info Off", area, forms::TextFlow::SingleLine));
        // What the button shows is that font.
        QCOMPARE(formstest::button(form.loop)->font().pixelSize(), fitted.pixelSize());

        form.loop->setCaption("Ende");
        QCOMPARE(form.loop->font().pixelSize(), 18);
    }
};

QTEST_MAIN(TestForm)
#include "tst_form.moc"
