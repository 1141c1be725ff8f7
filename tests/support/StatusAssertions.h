// GoogleTest checks of an Ifc::Status that print the failure's message when they fail.
//
//   ASSERT_TRUE(Succeeded(model.Open(path)));          // "m.ifc:3: #2: ',' or ')' expected ..."
//   EXPECT_EQ(FailureText(model.Read(...)), "m.ifc:5: ...");
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "ifc/errors/Expected.h"

inline testing::AssertionResult Succeeded(const Ifc::Status& status) {
  if (status) {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure() << status.Error().Message();
}

// The failure's message; empty on success.
inline std::string FailureText(const Ifc::Status& status) {
  return status ? std::string() : status.Error().Message();
}
