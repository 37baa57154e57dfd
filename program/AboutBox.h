#pragma once

#include "platform/Control.h"
#include "program/ProductIdentity.h"

namespace quillmark::program {

// The about window: product, version, publisher and web address.
class AboutBox {
public:
    explicit AboutBox(const ProductIdentity& constants) : constants_(constants) {}

    void Load();

    Window window;
    Label productLabel;
    Label versionCaption{"Version:"};
    Label version;
    Label publisherCaption{"Owned By:"};
    Label publisher;
    Label websiteCaption{"Website:"};
    Label website;
    Label notice{
        "Quillmark asks the whois server of each extension whether a name is registered. A name it lists as "
        "free was free when it asked: a registrar has the last word, so check there before you rely on it."};

private:
    const ProductIdentity& constants_;
};

}  // namespace quillmark::program
