#pragma once

class QPainter;

namespace qRVADM {

// The painting an item gets when its `Draw` hook does nothing of its own.
class DefaultPainter
{
public:
    DefaultPainter() = default;
    DefaultPainter(const DefaultPainter&) = delete;
    DefaultPainter& operator=(const DefaultPainter&) = delete;
    virtual ~DefaultPainter();

    virtual void Paint(QPainter& painter) = 0;
};

} // namespace qRVADM
