#include "program/AboutBox.h"

#include <string>

namespace quillmark::program {

void AboutBox::Load() {
    window.setCaption("About " + constants_.ProductName);
    productLabel.setCaption(constants_.ProductName);
    publisher.setCaption(constants_.PublisherName);
    version.setCaption(std::to_string(constants_.VersionMajor) + "." +
                       std::to_string(constants_.VersionMinor));
    website.setCaption(constants_.WebAddress);
}

}  // namespace quillmark::program
