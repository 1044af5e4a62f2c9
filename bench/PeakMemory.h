#pragma once

// How far the process's resident memory rose above where it stood at Start(): the kernel's
// high-water mark of the resident set (VmHWM) is cleared at Start(), so what it shows afterwards
// is the step's peak, however short.
class PeakMemory
{
public:
    void Start();
    // In MiB; 0 when the kernel does not tell.
    double RiseMiB() const;

private:
    double m_startKiB = 0.0;
};
