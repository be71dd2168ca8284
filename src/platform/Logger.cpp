#include "platform/Logger.h"

#include <boost/log/attributes/named_scope.hpp>
#include <boost/log/attributes/timer.hpp>
#include <boost/log/core.hpp>
#include <boost/log/expressions.hpp>
#include <boost/log/expressions/formatters/named_scope.hpp>
#include <boost/log/sinks/sync_frontend.hpp>
#include <boost/log/sinks/text_file_backend.hpp>
#include <boost/log/support/date_time.hpp>
#include <boost/log/utility/setup/common_attributes.hpp>
#include <boost/make_shared.hpp>

#include <cstdlib>
#include <mutex>
#include <system_error>

namespace platform {

namespace logging = boost::log;
namespace attrs = boost::log::attributes;
namespace expr = boost::log::expressions;
namespace sinks = boost::log::sinks;
namespace keywords = boost::log::keywords;

namespace {

using FileSink = sinks::synchronous_sink<sinks::text_file_backend>;

std::mutex& SinkMutex()
{
    static std::mutex mutex;
    return mutex;
}

boost::shared_ptr<FileSink>& CurrentSink()
{
    static boost::shared_ptr<FileSink> sink;
    return sink;
}

// The logger exists before main, so records from static set-up are not lost.
const bool kLoggerCreated = (TicketLogger::get(), true);

BOOST_LOG_ATTRIBUTE_KEYWORD(severityKeyword, "Severity", SeverityLevel)

void RemoveCurrentSink()
{
    boost::shared_ptr<FileSink>& sink = CurrentSink();
    if (!sink) {
        return;
    }
    logging::core::get()->remove_sink(sink);
    sink->flush();
    // Hands the open file to the collector now instead of at exit.
    sink->locked_backend()->rotate_file();
    sink.reset();
}

} // namespace

std::ostream& operator<<(std::ostream& out, SeverityLevel level)
{
    static const char* const names[] = {"Info", "Notice", "Debug", "Warning", "Error", "Fatal"};
    const int value = static_cast<int>(level);
    if (value >= 0 && value < static_cast<int>(std::size(names))) {
        out << names[value];
    } else {
        out << value;
    }
    return out;
}

std::filesystem::path DefaultLogDirectory()
{
    if (const char* overridden = std::getenv("TICKET_LOG_DIR"); overridden && *overridden) {
        return std::filesystem::path(overridden);
    }
    std::filesystem::path base;
    if (const char* state = std::getenv("XDG_STATE_HOME"); state && *state) {
        base = state;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = std::filesystem::path(home) / ".local" / "state";
    } else {
        base = std::filesystem::temp_directory_path();
    }
    return base / "ticket-designer";
}

LoggingSettings DefaultLoggingSettings()
{
    LoggingSettings settings;
    settings.directory = DefaultLogDirectory();
    return settings;
}

bool InitLogging(const LoggingSettings& settings)
{
    std::lock_guard lock(SinkMutex());
    RemoveCurrentSink();

    std::error_code error;
    std::filesystem::create_directories(settings.directory, error);
    if (error) {
        return false;
    }

    static std::once_flag attributesAdded;
    std::call_once(attributesAdded, [] {
        // Line counter, local-time "TimeStamp", process and thread ids.
        logging::add_common_attributes();
        logging::core::get()->add_global_attribute("Scope", attrs::named_scope());
    });

    auto backend = boost::make_shared<sinks::text_file_backend>(
        keywords::file_name = (settings.directory / "morra_%Y-%m-%d_%N.log").string(),
        keywords::rotation_size = settings.rotationSize,
        keywords::time_based_rotation = sinks::file::rotation_at_time_point(0, 0, 0));
    backend->set_file_collector(sinks::file::make_collector(
        keywords::target = settings.directory.string(), keywords::max_size = settings.maxKeptSize,
        keywords::min_free_space = settings.minFreeSpace));
    // The counter continues after the highest file already in the folder.
    backend->scan_for_files(sinks::file::scan_matching, true);
    backend->auto_flush(true);

    auto sink = boost::make_shared<FileSink>(backend);
    sink->set_filter(expr::has_attr(severityKeyword) && severityKeyword >= Error);
    sink->set_formatter(
        expr::stream
        << "[" << expr::format_date_time<boost::posix_time::ptime>("TimeStamp", "%H:%M:%S") << "]"
        << expr::if_(expr::has_attr<attrs::timer::value_type>(
               "Uptime"))[expr::stream
                          << " [" << expr::format_date_time<attrs::timer::value_type>("Uptime", "%O:%M:%S")
                          << "]"]
        << expr::if_(expr::has_attr<attrs::named_scope::value_type>(
               "Scope"))[expr::stream << "["
                                      << expr::format_named_scope("Scope", keywords::format = "%n",
                                                                  keywords::delimiter = "->",
                                                                  keywords::iteration = expr::forward)
                                      << "]"]
        << "<" << severityKeyword << ">" << expr::smessage);

    logging::core::get()->add_sink(sink);
    CurrentSink() = sink;
    return true;
}

void ShutdownLogging()
{
    std::lock_guard lock(SinkMutex());
    RemoveCurrentSink();
}

} // namespace platform
