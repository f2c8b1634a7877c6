#include "ConfigMessages.h"
#include "ConfigService.h"
#include "LoopbackPeer.h"
#include "ProcessFlags.h"
#include "ReadOrder.h"
#include "ScriptedDialogs.h"
#include "ServedReader.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

namespace
{

QString bracketed(const QString &key)
{
    return '[' + key + ']';
}

class ServiceRead : public ServedReader
{
protected:
    // Spins the event loop until the read has ended; a bound keeps a broken
    // read from hanging the test run.
    std::optional<ReadOutcome> finishRead()
    {
        std::optional<ReadOutcome> outcome;
        QEventLoop loop;
        QObject::connect(&service, &ConfigService::readFinished, &loop,
                         [&](const ReadOutcome &result) {
                             outcome = result;
                             loop.quit();
                         });
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        loop.exec();
        return outcome;
    }

    std::pair<bool, bool> buttons() const
    {
        return {model.isEnabled(ConfigModel::btnGet), model.isEnabled(ConfigModel::btnSet)};
    }

    ScriptedDialogs dialogs;
    ConfigMessages texts{dialogs, bracketed};
    ProcessFlags flags;
    ConfigService service{model, link, protocol, texts, flags};
};

TEST_F(ServiceRead, RunsBesideTheWindowAndHandsEveryResultToItsThreadInOrder)
{
    serve();
    QStringList keys;
    bool allOnWindowThread = true;
    QObject::connect(&model, &ConfigModel::textChanged, [&](const QString &key) {
        keys << key;
        allOnWindowThread &= QThread::currentThread() == qApp->thread();
    });
    QStringList panel;
    TPBThread &progress = service.Progress();
    QObject::connect(&progress, &TPBThread::panelShown,
                     [&](int maximum) { panel << "shown " + QString::number(maximum); });
    QObject::connect(&progress, &TPBThread::panelHidden, [&] { panel << "hidden"; });

    service.btnGetClick();
    EXPECT_TRUE(service.Reading());
    EXPECT_EQ(buttons(), std::pair(false, false));
    service.btnGetClick();
    const auto outcome = finishRead();

    ASSERT_EQ(outcome, ReadOutcome{});
    EXPECT_FALSE(service.Reading());
    EXPECT_EQ(api.writes, ReadOrder::Frames(ReadOrder::Full())) << "one read, not two";
    EXPECT_TRUE(allOnWindowThread);
    ASSERT_FALSE(keys.isEmpty());
    EXPECT_EQ(keys.first(), "txtVersion");
    EXPECT_EQ(keys.last(), "txtWMAC6");
    EXPECT_EQ(model.text("txtBTName"), "PRINTER-BT");
    EXPECT_EQ(panel, (QStringList{"shown 48", "hidden"}));
    EXPECT_EQ(buttons(), std::pair(true, true));
    EXPECT_TRUE(dialogs.boxes.empty());
    model.stbSSChange("tabBT");
    EXPECT_EQ(buttons(), std::pair(true, true)) << "a full read is remembered";
}

TEST_F(ServiceRead, AnUnansweredQueryShowsTheReadErrorAndKeepsWhatWasShown)
{
    serve({{"bt_name", "Shop 7"}}, ReadOrder::SilentFrom(ReadOrder::Full(), "wlan_encry"));
    service.btnGetClick();
    ASSERT_EQ(finishRead(), (ReadOutcome{ReadOutcome::Result::Unanswered, "\"wlan_encry\""}));
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "[_Err_ReadData]");
    EXPECT_EQ(dialogs.boxes[0].caption, "[_MSG_Title_Error]");
    EXPECT_EQ(dialogs.boxes[0].icon, Dialogs::Icon::Error);
    EXPECT_EQ(model.text("txtBTName"), "Shop 7");
    EXPECT_EQ(model.text("txtWName"), "PRINTER-AP");
    EXPECT_EQ(buttons(), std::pair(true, true));
    EXPECT_FALSE(service.Progress().Running());
    model.stbSSChange("tabBT");
    EXPECT_EQ(buttons(), std::pair(true, false)) << "only a full read is remembered";
}

TEST_F(ServiceRead, ReadsAgainAfterARead)
{
    serve();
    service.btnGetClick();
    ASSERT_EQ(finishRead(), ReadOutcome{});
    model.setText("txtBTName", "changed here");
    service.btnGetClick();
    ASSERT_EQ(finishRead(), ReadOutcome{});
    EXPECT_EQ(model.text("txtBTName"), "PRINTER-BT");
    EXPECT_EQ(api.writes.size(), 2 * ReadOrder::Full().size()) << "each read ran once";
}

TEST_F(ServiceRead, APrinterGoneSinceTheLastReadIsFoundBeforeTheReaderStarts)
{
    serve();
    service.btnGetClick();
    ASSERT_EQ(finishRead(), ReadOutcome{});
    served.reset();
    service.btnGetClick();
    EXPECT_FALSE(service.Reading());
    EXPECT_EQ(messages.errors.size(), 1) << "shown by the open on this thread";
    EXPECT_EQ(buttons(), std::pair(true, true));
}

TEST_F(ServiceRead, APortThatWillNotOpenStartsNothing)
{
    ASSERT_EQ(link.CreatePrinter(), 0);
    link.SelectPort("NET,127.0.0.1:" + QString::number(LoopbackPeer::unusedPort()));
    service.btnGetClick();
    EXPECT_FALSE(service.Reading());
    EXPECT_EQ(messages.errors.size(), 1);
    EXPECT_EQ(buttons(), std::pair(true, false));
    EXPECT_FALSE(service.Progress().Running());
}

TEST_F(ServiceRead, TheZPageReadEnablesItsSetButtonWhateverTheOutcome)
{
    serve({}, ReadOrder::SilentFrom({"dpi", "label_width"}, "label_width"));
    service.btnGet_tabZClick();
    EXPECT_TRUE(model.isEnabled(ConfigModel::btnSet_tabZ));
    EXPECT_EQ(dialogs.texts(), QStringList{"[_Err_ReadData]"});

    dialogs.boxes.clear();
    serve();
    service.btnGet_tabZClick();
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(model.text("txtLabelWidth"), "104");
}

TEST_F(ServiceRead, LeavingAFieldCutsItBackOrSaysItIsNoNumber)
{
    model.setText("txtZTearOff", "150");
    service.CheckValue("txtZTearOff");
    EXPECT_EQ(model.text("txtZTearOff"), "120");
    model.setText("txtDRowOffset", "-");
    service.CheckValue("txtDRowOffset");
    EXPECT_EQ(model.text("txtDRowOffset"), "-");
    EXPECT_EQ(dialogs.texts(), QStringList{"'-' is not a valid integer value"});
}

class ReadingPanel : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QObject::connect(&progress, &TPBThread::panelShown,
                         [this](int maximum) { events << "shown " + QString::number(maximum); });
        QObject::connect(&progress, &TPBThread::progressChanged,
                         [this](int value) { events << QString::number(value); });
        QObject::connect(&progress, &TPBThread::panelHidden, [this] { events << "hidden"; });
    }

    ReadState state;
    TPBThread progress{state};
    QStringList events;
};

TEST_F(ReadingPanel, FollowsTheCounterUntilTheReaderStops)
{
    progress.start();
    state.ReadProgress = 10;
    progress.tick();
    state.ReadProgress = 11;
    state.Stopped = true;
    progress.tick();
    progress.tick();
    EXPECT_EQ(events, (QStringList{"shown 48", "10", "11", "hidden"}));
    EXPECT_FALSE(progress.Running());
}

TEST_F(ReadingPanel, StopsAtTheMaximumEvenWhileTheReaderGoesOn)
{
    progress.start();
    state.ReadProgress = 50;
    progress.tick();
    progress.stop();
    EXPECT_EQ(events, (QStringList{"shown 48", "48", "hidden"}));
}

} // namespace
