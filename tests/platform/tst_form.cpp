// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandbutton.h"
#include "doevents.h"
#include "fonts.h"
#include "form.h"
#include "formregistry.h"
#include "formstest.h"
#include "label.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// A form whose "Loop" button yields until the form is unloaded or a limit is hit,
// and whose "Close" button unloads it.
class YieldingForm : public forms::Form
{
public:
    YieldingForm() : Form(300 * 15, 200 * 15)
    {
        loop = new forms::CommandButton(this);
        loop->setCaption(QStringLiteral("Loop"));
        loop->Move(10 * 15, 10 * 15, 80 * 15, 30 * 15);
        close = new forms::CommandButton(this);
        close->setCaption(QStringLiteral("Close"));
        close->Move(100 * 15, 10 * 15, 80 * 15, 30 * 15);
        connect(loop, &forms::CommandButton::Click, this, &YieldingForm::loop_Click);
        connect(close, &forms::CommandButton::Click, this, [this] { Unload(); });
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
    OtherForm() : Form(200 * 15, 100 * 15) {}

    int paints = 0;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        ++paints;
        Form::paintEvent(event);
    }
};

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
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(double(form.Width()), 1004 * 15.0);
        QCOMPARE(double(form.Height()), 753 * 15.0);
        QCOMPARE(form.frameGeometry(), QRect(0, 0, 1004, 753));
        QCOMPARE(double(form.Left()), 0.0);
    }

    void onlyResizableFormsFollowTheUser()
    {
        auto &fixed = forms::FormRegistry::instance<YieldingForm>();
        auto &resizable = forms::FormRegistry::instance<OtherForm>();
        resizable.setResizable(true);
        fixed.Show();
        resizable.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&resizable));
        fixed.resize(500, 400);
        resizable.resize(500, 400);
        QTRY_COMPARE(double(resizable.Width()), 500 * 15.0);
        QCOMPARE(double(resizable.Height()), 400 * 15.0);
        QCOMPARE(resizable.image().size(), QSize(500, 400) * resizable.mapping().devicePixelRatio());
        QCOMPARE(double(fixed.Width()), 300 * 15.0);
        QCOMPARE(fixed.size(), QSize(300, 200));
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
        QVERIFY(!first.isVisible());
        QVERIFY(!forms::FormRegistry::programEnded());
        second.close(); // the frame's close button
        QVERIFY(!second.IsLoaded());
        QVERIFY(forms::FormRegistry::programEnded());
    }

    void anUnloadedFormComesBackAsANewOne()
    {
        QPointer<YieldingForm> first = &forms::FormRegistry::instance<YieldingForm>();
        forms::FormRegistry::instance<OtherForm>().Show();
        first->Show();
        first->Unload();
        QTRY_VERIFY(first.isNull());
        auto &second = forms::FormRegistry::instance<YieldingForm>();
        QCOMPARE(second.loads, 1);
        QVERIFY(second.IsLoaded());
    }

    void unloadInsideAYieldStopsTheLoopAndKeepsTheForm()
    {
        QPointer<YieldingForm> form = &forms::FormRegistry::instance<YieldingForm>();
        forms::FormRegistry::instance<OtherForm>().Show();
        form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        // The click on "Close" arrives while "Loop" is yielding.
        QTimer::singleShot(0, form, [form] { QTest::mouseClick(form->close, Qt::LeftButton); });
        QTest::mouseClick(form->loop, Qt::LeftButton);
        QVERIFY(!form.isNull());
        QCOMPARE(form->loopsEnded, 1);
        QVERIFY(form->passes < 1000);
        QVERIFY(!form->IsLoaded());
        QTRY_VERIFY(form.isNull());
    }

    void nestedLoopsAllStopWhenTheFormGoes()
    {
        QPointer<YieldingForm> form = &forms::FormRegistry::instance<YieldingForm>();
        form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QTimer::singleShot(0, form, [form] {
            QTimer::singleShot(0, form, [form] { QTest::mouseClick(form->close, Qt::LeftButton); });
            QTest::mouseClick(form->loop, Qt::LeftButton);
        });
        QTest::mouseClick(form->loop, Qt::LeftButton);
        QVERIFY(!form.isNull());
        QCOMPARE(form->loopsEnded, 2);
        QVERIFY(forms::FormRegistry::programEnded());
        QTRY_VERIFY(form.isNull());
    }

    void anUnloadedFormOutlivesEveryYieldOfItsHandler()
    {
        QPointer<YieldingForm> form = &forms::FormRegistry::instance<YieldingForm>();
        auto &other = forms::FormRegistry::instance<OtherForm>();
        other.Show();
        form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        bool keptThroughTheYields = false;
        connect(&other, &forms::DrawingSurface::Click, &other, [&] {
            form->Unload();
            for (int yields = 0; yields < 3; ++yields)
                other.DoEvents();
            keptThroughTheYields = !form.isNull();
            if (form)
                form->PSet(1, 1, 0);
        });
        formstest::clickAt(&other, other.ScaleWidth() / 2, other.ScaleHeight() / 2);
        QVERIFY(keptThroughTheYields);
        QTRY_VERIFY(form.isNull());
    }

    void yieldHandlesInputQueuedByTheWindowSystem()
    {
        auto &form = forms::FormRegistry::instance<OtherForm>();
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QSignalSpy moves(&form, &forms::DrawingSurface::MouseMove);
        // The offscreen platform queues the move the pointer makes, as a window system does.
        QCursor::setPos(form.mapToGlobal(QPoint(50, 40)));
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
        QTimer::singleShot(0, &form, [&handled] { handled = true; });
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
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCoreApplication::processEvents();
        forms::Pacing::setEnabled(true);
        const int before = form.paints;
        form.PSet(100, 100, forms::RGB(255, 0, 0));
        QElapsedTimer timer;
        timer.start();
        form.Refresh();
        QCOMPARE(form.paints, before + 1);
        // It waits out the frame, so that a drawing loop keeps the screen's pace.
        QVERIFY(timer.elapsed() >= forms::Pacing::frameMilliseconds() - 1);
    }

    void escapeIsReported()
    {
        auto &form = forms::FormRegistry::instance<YieldingForm>();
        form.Show();
        QSignalSpy escapes(&form, &forms::Form::escapePressed);
        QTest::keyClick(form.windowHandle(), Qt::Key_Escape);
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
        const QFont bold = forms::ClassicFont(13.5, true);
        QCOMPARE(bold.pixelSize(), 18);
        form.loop->setFont(bold);
        form.loop->Move(0, 0, 63 * 15, 31 * 15);
        form.loop->setCaption(QStringLiteral("Info Off"));
        const QSize area = form.loop->captionArea();
        const QFont fitted = form.loop->font();
        QVERIFY(fitted.pixelSize() < 18);
        QVERIFY(forms::TextFits(fitted, QStringLiteral("Info Off"), area, forms::TextFlow::SingleLine));
        QFont larger = fitted;
        larger.setPixelSize(fitted.pixelSize() + 1);
        QVERIFY(!forms::TextFits(larger, QStringLiteral("Info Off"), area, forms::TextFlow::SingleLine));

        form.loop->setCaption(QStringLiteral("Ende"));
        QCOMPARE(form.loop->font().pixelSize(), 18);
    }
};

QTEST_MAIN(TestForm)
#include "tst_form.moc"
