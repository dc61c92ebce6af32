// The virtual mouse's link: fixed-size messages over one duplex named pipe. The library sends
// command reports and chunks and waits for each one's acknowledgement; the virtual mouse sends
// acknowledgements, events and its plugged state whenever they happen.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

constexpr char kVirtualMousePipeName[] = "\\\\.\\pipe\\KestrinVardoVirtualMouse";

enum class PipeMessageType : uint8_t {
    Command = 1,  // library -> mouse: Data = the 8-byte command report
    Chunk = 2,    // library -> mouse: Data = the 64-byte chunk
    Ack = 3,      // mouse -> library: Data[0] = 1 taken, 0 refused (unplugged); Sequence of the frame
    Event = 4,    // mouse -> library: Data = kind, value (little-endian)
    Plug = 5,     // mouse -> library: Data[0] = 1 plugged, 0 unplugged; first message of a connection
};

constexpr size_t kPipeDataSize = 64;

struct PipeMessage {
    uint8_t Type;
    uint8_t Length;  // bytes of Data in use; fixed per type
    uint8_t SequenceLow;
    uint8_t SequenceHigh;
    uint8_t Data[kPipeDataSize];
};

static_assert(sizeof(PipeMessage) == 68);
static_assert(offsetof(PipeMessage, Type) == 0);
static_assert(offsetof(PipeMessage, Length) == 1);
static_assert(offsetof(PipeMessage, SequenceLow) == 2);
static_assert(offsetof(PipeMessage, SequenceHigh) == 3);
static_assert(offsetof(PipeMessage, Data) == 4);

using PipeMessageBytes = std::array<uint8_t, sizeof(PipeMessage)>;

// A Command or Chunk message; nothing when size does not match the type (8 or 64).
std::optional<PipeMessage> MakeFrameMessage(PipeMessageType type, uint16_t sequence, const uint8_t* data, size_t size);
PipeMessage MakeAckMessage(uint16_t sequence, bool taken);
PipeMessage MakeEventMessage(uint16_t kind, uint16_t value);
PipeMessage MakePlugMessage(bool plugged);

PipeMessageBytes ToBytes(const PipeMessage& message);
// A message read from the pipe; nothing for a wrong size, an unknown type or a length that
// does not belong to the type.
std::optional<PipeMessage> DecodePipeMessage(const uint8_t* bytes, size_t size);

uint16_t MessageSequence(const PipeMessage& message);
uint16_t EventKindOf(const PipeMessage& message);
uint16_t EventValueOf(const PipeMessage& message);
