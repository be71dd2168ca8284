#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace fuzz {

// Fonts, images and the drawing context need a GUI application; one on the
// offscreen platform is made once per process and kept.
void StartOffscreenApplication(int* argc, char*** argv);

// Silences the process-wide log so millions of refused inputs stay quiet.
void SilenceLog();

// The fuzzer's bytes as Qt sees them.
inline QByteArray Bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The fuzzer's bytes read as UTF-8 text, as the markup reader would see them.
inline QString Text(const uint8_t* data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

} // namespace fuzz
