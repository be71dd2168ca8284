#pragma once

#include "emulator/FrameReader.h"
#include "emulator/PrinterState.h"

namespace emulator {

// Reads a template upload after its DEV_CMD_PAGE header, up to and including
// the end frame, and checks that the page record agrees with the frames that
// followed it. Fills upload only as far as it got when it fails.
bool DecodeTemplateUpload(FrameReader& reader, const FrameHeader& pageHeader, UploadedTemplate& upload);

} // namespace emulator
