// The log's digest through the system's CryptoAPI: the SHA-256 test vectors.
#include <gtest/gtest.h>

#include "uninstall/LogDigest_win.h"

TEST(Sha256Digest, StandardTestVectors) {
    EXPECT_EQ(Sha256Digest(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Sha256Digest("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(Sha256Digest(std::string(1000000, 'a')),
              "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}
