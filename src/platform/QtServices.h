// SPDX-License-Identifier: MIT
#pragma once

// The real services, over Qt.
#include "platform/ClockRandom.h"
#include "platform/QtClipboard.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtMessageBox.h"
#include "platform/QtScreenCapture.h"
#include "platform/QtShell.h"
#include "platform/QtSystemColors.h"
