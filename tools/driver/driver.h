// The end-to-end driver, all in one include.
#pragma once

#include "combo_query.h"
#include "input.h"
#include "process.h"
#include "registry_view.h"
#include "screenshot.h"
#include "text_file.h"
#include "wait.h"
#include "window_query.h"
