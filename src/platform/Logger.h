#pragma once

#include <QString>

#include <boost/log/sources/global_logger_storage.hpp>
#include <boost/log/sources/record_ostream.hpp>
#include <boost/log/sources/severity_logger.hpp>

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>

namespace platform {

// Severity of a log record; "Debug" deliberately sits between "Notice" and
// "Warning", so only Error and Fatal pass the file filter.
enum SeverityLevel
{
    Info = 0,
    Notice = 1,
    Debug = 2,
    Warning = 3,
    Error = 4,
    Fatal = 5,
};

// Writes the display name, or the number for a value outside the table.
std::ostream& operator<<(std::ostream& out, SeverityLevel level);

// Where and how the log files are kept. The defaults are the designer's;
// tests shrink the rotation size instead of writing megabytes.
struct LoggingSettings
{
    std::filesystem::path directory;
    std::uintmax_t rotationSize = 10 * 1024 * 1024;
    std::uintmax_t maxKeptSize = 100 * 1024 * 1024;
    std::uintmax_t minFreeSpace = 50 * 1024 * 1024;
};

// $TICKET_LOG_DIR when set, else the user's state folder for the designer
// ($XDG_STATE_HOME or ~/.local/state, then "ticket-designer").
std::filesystem::path DefaultLogDirectory();
LoggingSettings DefaultLoggingSettings();

// Sets up the process-wide file log; the first thing the application does.
// Calling it again replaces the file sink, as a restarted process would.
// False when the folder cannot be created; logging then writes nowhere.
bool InitLogging(const LoggingSettings& settings = DefaultLoggingSettings());
// Closes the current file (it is handed to the collector) and removes the sink.
void ShutdownLogging();

// Records carry narrow text; texts from the UI are UTF-16 and go in as UTF-8.
inline std::string Utf8(const QString& text)
{
    return text.toStdString();
}

BOOST_LOG_INLINE_GLOBAL_LOGGER_DEFAULT(TicketLogger, boost::log::sources::severity_logger_mt<SeverityLevel>)

} // namespace platform

// Opens one record on the process-wide logger: TICKET_LOG(platform::Error) << "text" << value;
#define TICKET_LOG(severity) BOOST_LOG_SEV(::platform::TicketLogger::get(), (severity))
