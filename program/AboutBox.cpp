#include "program/AboutBox.h"

#include <string>

namespace quillmark::program {

void AboutBox::Form_Load() {
    Me.setCaption("About " + constants_.ProductName);
    Label1.setCaption(constants_.ProductName);
    lblCompany.setCaption(constants_.PublisherName);
    lblVersion.setCaption(std::to_string(constants_.VersionMajor) + "." +
                          std::to_string(constants_.VersionMinor));
    lblWebsite.setCaption(constants_.WebAddress);
}

}  // namespace quillmark::program
