#pragma once

// The dialog layer's help for assistive technology and the keyboard, all in one include for
// the dialogs that use much of it. Units of platform/ include only the header they need.

#include "platform/accessible_roles.h"
#include "platform/accessible_text.h"
#include "platform/announcer.h"
#include "platform/focus_cue.h"
#include "platform/label_links.h"
#include "platform/tab_grid.h"
