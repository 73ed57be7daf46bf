#pragma once
// The one export macro of the module: classes and functions that hosts may call carry it;
// everything else stays hidden in the shared library (built with hidden visibility).
#define PQ_EXPORT __attribute__((visibility("default")))
