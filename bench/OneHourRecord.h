#pragma once

#include "VideoMessage.h"

// The record of a one-hour recording in China: one fix and one G-sensor
// sample per second, the size the benchmarks measure against.
constexpr int oneHourFixCount = 3600;
VideoMessage oneHourRecord();
