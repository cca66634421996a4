#pragma once
#include "window_query.h"
