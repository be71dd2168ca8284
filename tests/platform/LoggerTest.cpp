#include "platform/Logger.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <boost/log/sources/logger.hpp>
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace {

// A log folder of its own and a clean sink for each test.
class LoggerTest : public ::testing::Test
{
protected:
    void TearDown() override { platform::ShutdownLogging(); }

    platform::LoggingSettings Settings() const
    {
        platform::LoggingSettings settings = platform::DefaultLoggingSettings();
        settings.directory = m_dir.path().toStdString();
        return settings;
    }

    QStringList LogFiles() const { return QDir(m_dir.path()).entryList({"*.log"}, QDir::Files, QDir::Name); }

    QByteArray ReadAll() const
    {
        QByteArray all;
        for (const QString& name : LogFiles()) {
            QFile file(m_dir.filePath(name));
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            all += file.readAll();
        }
        return all;
    }

    QTemporaryDir m_dir;
};

TEST_F(LoggerTest, SeverityNamesAndNumbersOutsideTheTable)
{
    std::ostringstream out;
    out << platform::Info << ' ' << platform::Notice << ' ' << platform::Debug << ' ' << platform::Warning
        << ' ' << platform::Error << ' ' << platform::Fatal << ' ' << static_cast<platform::SeverityLevel>(9);
    EXPECT_EQ(out.str(), "Info Notice Debug Warning Error Fatal 9");
}

TEST_F(LoggerTest, OnlyErrorAndAboveReachTheFileInTheFixedLineFormat)
{
    ASSERT_TRUE(platform::InitLogging(Settings()));
    TICKET_LOG(platform::Info) << "info record";
    TICKET_LOG(platform::Notice) << "notice record";
    TICKET_LOG(platform::Debug) << "debug record";
    TICKET_LOG(platform::Warning) << "CopyZipWithOut/tmp/a.vtError, cound not open a mmap file";
    TICKET_LOG(platform::Error) << "Pane Progress iStep:" << 3 << ",m_bufIndex:" << 7;
    TICKET_LOG(platform::Fatal) << "fatal record";
    TICKET_LOG(static_cast<platform::SeverityLevel>(6)) << "beyond the table";
    boost::log::sources::logger plain; // no severity: dropped
    BOOST_LOG(plain) << "record without severity";
    platform::ShutdownLogging();

    const QStringList lines = QString::fromUtf8(ReadAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << ReadAll().toStdString();
    const QRegularExpression clock(R"(^\[\d\d:\d\d:\d\d\]\[\])");
    for (const QString& line : lines) {
        EXPECT_TRUE(clock.match(line).hasMatch()) << line.toStdString();
    }
    EXPECT_EQ(lines[0].mid(12), "<Error>Pane Progress iStep:3,m_bufIndex:7");
    EXPECT_EQ(lines[1].mid(12), "<Fatal>fatal record");
    EXPECT_EQ(lines[2].mid(12), "<6>beyond the table");
}

TEST_F(LoggerTest, WideTextsAreWrittenAsUtf8)
{
    ASSERT_TRUE(platform::InitLogging(Settings()));
    const QString path = QString::fromUtf8("/home/操作员/排队票.vt");
    TICKET_LOG(platform::Error) << "can't CreateFile " << platform::Utf8(path);
    platform::ShutdownLogging();
    EXPECT_TRUE(ReadAll().endsWith(QByteArray("<Error>can't CreateFile ") + path.toUtf8() + "\n"));
}

TEST_F(LoggerTest, SizeRotationContinuesTheCounterAfterARestart)
{
    platform::LoggingSettings settings = Settings();
    settings.rotationSize = 300;
    const std::string filler(100, 'x');

    ASSERT_TRUE(platform::InitLogging(settings));
    for (int i = 0; i < 7; ++i) {
        TICKET_LOG(platform::Error) << "first run " << i << ' ' << filler;
    }
    platform::ShutdownLogging();
    const QStringList firstRun = LogFiles();
    ASSERT_GE(firstRun.size(), 2) << "300 bytes hold at most two records of this size";

    // A second process scans the folder and carries on numbering.
    ASSERT_TRUE(platform::InitLogging(settings));
    TICKET_LOG(platform::Error) << "second run";
    platform::ShutdownLogging();

    const QString prefix = "morra_" + QDate::currentDate().toString("yyyy-MM-dd") + "_";
    QStringList expected;
    for (int n = 0; n <= firstRun.size(); ++n) {
        expected << prefix + QString::number(n) + ".log";
    }
    QStringList all = LogFiles();
    std::sort(all.begin(), all.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(all, expected);

    QFile last(m_dir.filePath(prefix + QString::number(firstRun.size()) + ".log"));
    ASSERT_TRUE(last.open(QIODevice::ReadOnly));
    EXPECT_TRUE(last.readAll().endsWith("<Error>second run\n"));
    for (const QString& name : firstRun) {
        EXPECT_LE(QFileInfo(m_dir.filePath(name)).size(), 300 + 140) << name.toStdString();
    }
}

TEST(LogDirectory, EnvironmentChoosesTheFolder)
{
    const QByteArray savedOverride = qgetenv("TICKET_LOG_DIR");
    const QByteArray savedState = qgetenv("XDG_STATE_HOME");
    qunsetenv("TICKET_LOG_DIR");
    qputenv("XDG_STATE_HOME", "/var/tmp/state");
    EXPECT_EQ(platform::DefaultLogDirectory(), std::filesystem::path("/var/tmp/state/ticket-designer"));
    qputenv("TICKET_LOG_DIR", "/tmp/ticket-logs");
    EXPECT_EQ(platform::DefaultLogDirectory(), std::filesystem::path("/tmp/ticket-logs"));
    savedOverride.isNull() ? qunsetenv("TICKET_LOG_DIR") : qputenv("TICKET_LOG_DIR", savedOverride);
    savedState.isNull() ? qunsetenv("XDG_STATE_HOME") : qputenv("XDG_STATE_HOME", savedState);
}

} // namespace
