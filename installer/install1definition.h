#pragma once

#include <string>

#include "installpack/installdefinition.h"

// The settings of Install1, the installation of Bodelog: product, the main
// and database engine groups with their files, the Start-menu folder with
// its shortcuts, the desktop shortcut and the wizard. The licence and readme
// texts come from the text files the installation also copies.
installpack::InstallDefinition Install1Definition(const std::string& licenseText,
                                                  const std::string& readmeText);
