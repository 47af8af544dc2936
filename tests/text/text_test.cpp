#include <gtest/gtest.h>
#include "text/text.h"
