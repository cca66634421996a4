// The end-to-end driver, all in one include.
#pragma once

#include "process.h"
#include "registry_view.h"
#include "text_file.h"
#include "wait.h"
#include "window_query.h"
