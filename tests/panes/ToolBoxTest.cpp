#include "panes/ToolBoxCtrl.h"

#include <gtest/gtest.h>
