#pragma once

#include "platform/Logger.h"

#include <boost/log/core.hpp>
#include <boost/log/expressions.hpp>
#include <boost/log/sinks/sync_frontend.hpp>
#include <boost/log/sinks/text_ostream_backend.hpp>
#include <boost/make_shared.hpp>

#include <sstream>
#include <string>

namespace testsupport {

// Collects the lines the code logs, whatever the file filter lets through.
class CapturedLog
{
public:
    CapturedLog()
    {
        m_sink = boost::make_shared<Sink>();
        m_sink->locked_backend()->add_stream(
            boost::shared_ptr<std::ostream>(&m_stream, [](std::ostream*) {}));
        m_sink->set_formatter(boost::log::expressions::stream
                              << "<" << boost::log::expressions::attr<platform::SeverityLevel>("Severity")
                              << ">" << boost::log::expressions::smessage << "\n");
        boost::log::core::get()->add_sink(m_sink);
    }
    ~CapturedLog() { boost::log::core::get()->remove_sink(m_sink); }
    std::string Text() const { return m_stream.str(); }

private:
    using Sink = boost::log::sinks::synchronous_sink<boost::log::sinks::text_ostream_backend>;
    std::ostringstream m_stream;
    boost::shared_ptr<Sink> m_sink;
};

} // namespace testsupport
