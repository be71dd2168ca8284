#include "FuzzSupport.h"

#include <QGuiApplication>

#include <boost/log/core.hpp>

#include <cstdlib>

namespace fuzz {

void StartOffscreenApplication(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Never destroyed: the fuzzer leaves through exit(), not main()'s return.
    static QGuiApplication* application = new QGuiApplication(*argc, *argv);
    (void)application;
}

void SilenceLog()
{
    boost::log::core::get()->set_logging_enabled(false);
}

} // namespace fuzz
