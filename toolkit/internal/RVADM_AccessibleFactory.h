#pragma once

namespace qRVADM::internal {

// Gives the toolkit's own widgets the roles a screen reader expects: a picture label is an image,
// a custom item a canvas, a drop-down list a combo box named by what it shows. Installed once per
// loaded toolkit and removed again when the toolkit's library is unloaded.
void InstallAccessibleFactory();

} // namespace qRVADM::internal
