#pragma once
// A headless window system and application for framework tests, with a form of test controls.
#include <gtest/gtest.h>

#include <memory>

#include "driver/harness/HeadlessDriver.h"
#include "framework/core/Form.h"

namespace tavra::test {

class FrameworkTest : public ::testing::Test {
 protected:
  HeadlessDriver driver;

  template <typename F>
  F& makeForm() {
    F& f = driver.app().CreateForm<F>();
    return f;
  }
};

}  // namespace tavra::test
