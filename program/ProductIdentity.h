#pragma once

#include <string>
#include <string_view>

namespace quillmark::program {

// The product's identity, fixed for the whole run.
struct ProductIdentity {
    std::string ProductName;
    std::string PublisherName;
    std::string WebAddress;
    // The registrar's search page, before the extension and the name.
    std::string PurchaseAddress;
    std::string ProductDetailsAddress;
    int VersionMajor = 0;
    int VersionMinor = 0;
};

// Every value from the build configuration; the same values every time.
ProductIdentity ThisProduct();

// The registrar's page for buying the name: the extension after its first
// dot (none without one) and the name itself, each as one query value.
std::string PurchaseAddressFor(const ProductIdentity& identity, std::string_view name);

}  // namespace quillmark::program
