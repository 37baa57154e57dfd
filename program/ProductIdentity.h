#pragma once

#include <string>

namespace quillmark::program {

// The product's identity, fixed for the whole run.
struct ProductIdentity {
    std::string ProductName;
    std::string PublisherName;
    std::string WebAddress;
    std::string PurchaseAddress;
    std::string ProductDetailsAddress;
    int VersionMajor = 0;
    int VersionMinor = 0;
};

// Every value from the build configuration; the same values every time.
ProductIdentity ThisProduct();

}  // namespace quillmark::program
