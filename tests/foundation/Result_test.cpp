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

Result<ObjectID, Error> Fails(const API_Guid& token) {
  return Result<ObjectID, Error>(Error{IFCAPI::Impl::ErrorBadParameters, "Invalid guid."}, token);
}

TEST(Result, SuccessCarriesNullTokenAndNoError) {
  const Result<ObjectID, Error> found(ObjectID(AddOn, IPL::IFCType::IfcGroup));
  const Result<void, Error> done;
  ASSERT_TRUE(found.HasValue() && done.HasValue());
  EXPECT_EQ(found.Unwrap().GetIFCType(), IPL::IFCType::IfcGroup);
  EXPECT_EQ(found.Unwrap().GetToken(), AddOn);
  done.Unwrap();  // a success passes without a handler (the default one aborts)
  for (const auto& [token, error] :
       {std::pair(found.GetToken(), found.GetError()), std::pair(done.GetToken(), done.GetError())}) {
    EXPECT_EQ(token, NullToken);
    EXPECT_EQ(error.code, 0);
    EXPECT_EQ(error.message, "NoError");
  }
}

TEST(Result, FailureTakesOverTheErrorAndKeepsTheTokenThroughCopiesAndMoves) {
  Error error{IFCAPI::Impl::ErrorGeneral, "Unknown error, with a message too long for any small buffer."};
  const Result<void, Error> failed(std::move(error), AddOn);
  EXPECT_TRUE(error.message.empty());  // NOLINT(bugprone-use-after-move): the taken-over message is left empty
  ASSERT_FALSE(failed.HasValue());
  EXPECT_EQ(failed.GetToken(), AddOn);
  EXPECT_EQ(failed.GetError().code, IFCAPI::Impl::ErrorGeneral);
  EXPECT_EQ(failed.GetError().message, "Unknown error, with a message too long for any small buffer.");

  Result<ObjectID, Error> failure = Fails(AddOn);
  const Result<ObjectID, Error> copiedFailure(failure);
  const Result<ObjectID, Error> movedFailure(std::move(failure));
  for (const auto* result : {&copiedFailure, &movedFailure}) {
    ASSERT_FALSE(result->HasValue());
    EXPECT_EQ(result->GetError().message, "Invalid guid.");
    EXPECT_EQ(result->GetToken(), AddOn);
  }
  Result<ObjectID, Error> found(ObjectID(AddOn, KT::Guid("{01010101-2222-3333-4444-555555555555}")));
  const Result<ObjectID, Error> copied(found);
  const Result<ObjectID, Error> moved(std::move(found));
  for (const auto* result : {&copied, &moved}) {
    ASSERT_TRUE(result->HasValue());
    EXPECT_EQ(result->Unwrap().GetGUID(), KT::Guid("{01010101-2222-3333-4444-555555555555}"));
  }
}

struct UnwrapFailure {
  std::string text;
  API_Guid token;
};

void ThrowUnwrapFailure(std::string_view text, const API_Guid& token) {
  throw UnwrapFailure{std::string(text), token};
}

TEST(Result, UnwrapOfAFailureGoesToTheHandlerWithTheResultsToken) {
  const auto previous = TSAPI::SetUnwrapFailureHandler(&ThrowUnwrapFailure);
  const Result<ObjectID, Error> failed = Fails(AddOn);
  try {
    static_cast<void>(failed.Unwrap());
    ADD_FAILURE() << "Unwrap of a failure returned";
  } catch (const UnwrapFailure& failure) {
    EXPECT_EQ(failure.text, "Attempting to Unwrap an error Result");
    EXPECT_EQ(failure.token, AddOn);
  }
  const Result<void, Error> failedVoid(Error{IFCAPI::Impl::ErrorGeneral, "Unknown error."}, AddOn);
  EXPECT_THROW(failedVoid.Unwrap(), UnwrapFailure);
  TSAPI::SetUnwrapFailureHandler(previous);
}

void ReturnQuietly(std::string_view, const API_Guid&) {}

TEST(ResultDeathTest, UnwrapNeverHandsOutTheStorageOfAFailure) {
  // The default handler names the text and the add-on, then ends the process.
  EXPECT_DEATH(static_cast<void>(Fails(AddOn).Unwrap()),
               "Attempting to Unwrap an error Result \\(add-on \\{11111111-2222-3333-4444-555555555555\\}\\)");
  // A handler that returns does not make Unwrap return.
  EXPECT_DEATH(
      {
        TSAPI::SetUnwrapFailureHandler(&ReturnQuietly);
        static_cast<void>(Fails(AddOn).Unwrap());
      },
      "");
}

}  // namespace
