#include "TSAPI/Result.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

#include "IFCAPI/Errors.h"
#include "IFCAPI/ObjectID.h"

namespace {

using IFCAPI::Impl::ObjectID;
using TSAPI::Error;
using TSAPI::Result;

const API_Guid AddOn = ToAPIGuid(KT::Guid("{11111111-2222-3333-4444-555555555555}"));
const KT::Guid Element("{01010101-2222-3333-4444-555555555555}");

Result<ObjectID, Error> Fails() {
  return Result<ObjectID, Error>(Error{IFCAPI::Impl::ErrorBadParameters, "Invalid guid."}, AddOn);
}

TEST(Result, SuccessCarriesNullTokenAndNoError) {
  const Result<ObjectID, Error> found(ObjectID(AddOn, IPL::IFCType::IfcGroup));
  const Result<void, Error> done;
  ASSERT_TRUE(found.HasValue() && done.HasValue());
  EXPECT_TRUE(found.Unwrap().GetIFCType() == IPL::IFCType::IfcGroup && found.Unwrap().GetToken() == AddOn);
  done.Unwrap();  // a success passes without a handler (the default one aborts)
  for (const auto& [token, error] :
       {std::pair(found.GetToken(), found.GetError()), std::pair(done.GetToken(), done.GetError())}) {
    EXPECT_TRUE(token == NullToken && error.code == 0);
    EXPECT_EQ(error.message, "NoError");
  }
}

TEST(Result, FailureTakesOverTheErrorAndKeepsTheTokenThroughCopiesAndMoves) {
  Error error{IFCAPI::Impl::ErrorGeneral, "Unknown error, with a message too long for any small buffer."};
  const Result<void, Error> failed(std::move(error), AddOn);
  EXPECT_TRUE(error.message.empty());  // NOLINT(bugprone-use-after-move): the taken-over message is left empty
  ASSERT_FALSE(failed.HasValue());
  EXPECT_TRUE(failed.GetToken() == AddOn && failed.GetError().code == IFCAPI::Impl::ErrorGeneral);
  EXPECT_EQ(failed.GetError().message, "Unknown error, with a message too long for any small buffer.");

  Result<ObjectID, Error> failure = Fails();
  Result<ObjectID, Error> found(ObjectID(AddOn, Element));
  const Result<ObjectID, Error> copies[] = {failure, std::move(failure), found, std::move(found)};
  for (int i = 0; i < 2; ++i) {
    ASSERT_FALSE(copies[i].HasValue());
    EXPECT_TRUE(copies[i].GetError().message == "Invalid guid." && copies[i].GetToken() == AddOn);
    ASSERT_TRUE(copies[i + 2].HasValue());
    EXPECT_EQ(copies[i + 2].Unwrap().GetGUID(), Element);
  }
}

struct UnwrapFailure {
  std::string text;
  API_Guid token;
};

TEST(Result, UnwrapOfAFailureGoesToTheHandlerWithTheResultsToken) {
  const auto previous = TSAPI::SetUnwrapFailureHandler([](std::string_view text, const API_Guid& token) {
    throw UnwrapFailure{std::string(text), token};
  });
  try {
    static_cast<void>(Fails().Unwrap());
    ADD_FAILURE() << "Unwrap of a failure returned";
  } catch (const UnwrapFailure& failure) {
    EXPECT_EQ(failure.text, "Attempting to Unwrap an error Result");
    EXPECT_EQ(failure.token, AddOn);
  }
  const Result<void, Error> failedVoid(Error{IFCAPI::Impl::ErrorGeneral, "Unknown error."}, AddOn);
  EXPECT_THROW(failedVoid.Unwrap(), UnwrapFailure);
  TSAPI::SetUnwrapFailureHandler(previous);
}

TEST(ResultDeathTest, UnwrapNeverHandsOutTheStorageOfAFailure) {
  // The default handler names the text and the add-on, then ends the process.
  EXPECT_DEATH(static_cast<void>(Fails().Unwrap()),
               "Attempting to Unwrap an error Result \\(add-on \\{11111111-2222-3333-4444-555555555555\\}\\)");
  // A handler that returns does not make Unwrap return.
  EXPECT_DEATH(
      {
        TSAPI::SetUnwrapFailureHandler([](std::string_view, const API_Guid&) {});
        static_cast<void>(Fails().Unwrap());
      },
      "");
}

}  // namespace
