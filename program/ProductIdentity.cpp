#include "ProductIdentity.h"

#include "QuillmarkConfig.h"
#include "platform/WebAddress.h"

namespace quillmark::program {

namespace {

// The registrar's search page; the extension and the name follow.
std::string purchaseAddress() {
    return std::string("https://") + config::kRegistrarHost +
           "/gdshop/registrar/search.asp?se=%2B&prog%5Fid=" + config::kRegistrarProgramId +
           "&from=rhp&checkAvail=1&JScriptOn=yes";
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

std::string PurchaseAddressFor(const ProductIdentity& identity, std::string_view name) {
    std::string address = identity.PurchaseAddress;
    // The shop searches the extension it is given, so each name brings its own.
    if (const auto dot = name.find('.'); dot != std::string_view::npos)
        address += "&TLD=." + EncodeQueryValue(name.substr(dot + 1), false);
    // The name stays one query value, whatever it holds.
    return address + "&domainToCheck=" + EncodeQueryValue(name, false);
}

}  // namespace quillmark::program
