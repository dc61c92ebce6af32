// The real input stream.
#pragma once

#include "InputSink.h"

class SendInputSink final : public InputSink {
public:
    void Send(const INPUT* inputs, UINT count) override;
};
