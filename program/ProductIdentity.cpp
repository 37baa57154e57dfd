#include "ProductIdentity.h"

#include "QuillmarkConfig.h"

namespace quillmark::program {

namespace {

// The registrar's search page; the name to check is appended to the end.
std::string purchaseAddress() {
    return std::string("https://") + config::kRegistrarHost +
           "/gdshop/registrar/search.asp?se=%2B&prog%5Fid=" + config::kRegistrarProgramId +
           "&from=rhp&checkAvail=1&JScriptOn=yes&TLD=.com&domainToCheck=";
}

}  // namespace

ProductIdentity ThisProduct() {
    ProductIdentity constants;
    constants.ProductName = config::kProductName;
    constants.PublisherName = config::kPublisherName;
    constants.WebAddress = config::kWebAddress;
    constants.PurchaseAddress = purchaseAddress();
    constants.ProductDetailsAddress = config::kProductDetailsAddress;
    constants.VersionMajor = config::kVersionMajor;
    constants.VersionMinor = config::kVersionMinor;
    return constants;
}

}  // namespace quillmark::program
