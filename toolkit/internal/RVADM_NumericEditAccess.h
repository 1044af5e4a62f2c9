#pragma once

class QString;

namespace qRVADM::internal {

// What the toolkit needs of a numeric edit beyond an item: the numeric edit class implements it.
class RVADM_NumericEditAccess
{
public:
    RVADM_NumericEditAccess() = default;
    RVADM_NumericEditAccess(const RVADM_NumericEditAccess&) = delete;
    RVADM_NumericEditAccess& operator=(const RVADM_NumericEditAccess&) = delete;
    virtual ~RVADM_NumericEditAccess() = default;

    // Replaces the shown text and clears the changed flag.
    virtual void ReplaceText(const QString& text) = 0;
    // The changed flag, cleared by the call.
    virtual bool TakeChangedFlag() = 0;
};

} // namespace qRVADM::internal
