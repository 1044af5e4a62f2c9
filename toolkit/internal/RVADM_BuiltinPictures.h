#pragma once

#include <QByteArray>

#include <cstdint>

namespace qRVADM::internal {

// What the picture loader asks of the toolkit manager library: the host theme and the data of the
// built-in icons. Host UI thread only.
class RVADM_BuiltinPictures
{
public:
    virtual ~RVADM_BuiltinPictures() = default;

    virtual bool IsHostDark() const = 0;
    // PNG data of built-in icon `id` for the theme and device pixel ratio, or empty.
    virtual QByteArray Find(std::int32_t id, bool dark, double scale) const = 0;
};

} // namespace qRVADM::internal
