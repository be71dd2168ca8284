#include "device/usb/PortStatus.h"

#include <gtest/gtest.h>

namespace {

TEST(PortStatusText, StatusBitsChooseThePaneText)
{
    EXPECT_EQ(device::port_status_text_id(0x18), device::kTextPrinterStatusNormal);
    EXPECT_EQ(device::port_status_text_id(0x38), device::kTextPaperEmpty);
    EXPECT_EQ(device::port_status_text_id(0x30), device::kTextPrinterHasError);
    EXPECT_EQ(device::port_status_text_id(0x00), device::kTextPrinterHasError);
    EXPECT_EQ(device::port_status_text_id(0x08), device::kTextPleaseConnectPrinter);
    EXPECT_EQ(device::kTextPrinterStatusNormal, 312);
    EXPECT_EQ(device::kTextPaperEmpty, 194);
    EXPECT_EQ(device::kTextPrinterHasError, 311);
    EXPECT_EQ(device::kTextPleaseConnectPrinter, 310);
}

} // namespace
