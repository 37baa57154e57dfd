#pragma once

#include "platform/Control.h"
#include "program/ProductIdentity.h"

namespace quillmark::program {

// The about window: product, version, publisher and web address.
class AboutBox {
public:
    explicit AboutBox(const ProductIdentity& constants) : constants_(constants) {}

    void Form_Load();

    Window Me;
    Label Label1;
    Label Label2{"Version:"};
    Label lblVersion;
    Label Label3{"Owned By:"};
    Label lblCompany;
    Label Label4{"Website:"};
    Label lblWebsite;
    Label Label5{
        "Quillmark asks the whois server of each extension whether a name is registered. A name it lists as "
        "free was free when it asked: a registrar has the last word, so check there before you rely on it."};

private:
    const ProductIdentity& constants_;
};

}  // namespace quillmark::program
