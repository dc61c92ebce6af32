#include "PipeMessage.h"

#include <cstring>

namespace {

// The Data length each type carries; 0 for numbers that are no type.
size_t LengthOf(uint8_t type)
{
    switch (static_cast<PipeMessageType>(type)) {
    case PipeMessageType::Command: return 8;
    case PipeMessageType::Chunk: return 64;
    case PipeMessageType::Ack: return 1;
    case PipeMessageType::Event: return 4;
    case PipeMessageType::Plug: return 1;
    }
    return 0;
}

PipeMessage Make(PipeMessageType type, uint16_t sequence)
{
    PipeMessage message{};
    message.Type = static_cast<uint8_t>(type);
    message.Length = static_cast<uint8_t>(LengthOf(message.Type));
    message.SequenceLow = static_cast<uint8_t>(sequence);
    message.SequenceHigh = static_cast<uint8_t>(sequence >> 8);
    return message;
}

uint16_t Word(uint8_t low, uint8_t high) { return static_cast<uint16_t>(low | high << 8); }

}  // namespace

std::optional<PipeMessage> MakeFrameMessage(PipeMessageType type, uint16_t sequence, const uint8_t* data, size_t size)
{
    if (type != PipeMessageType::Command && type != PipeMessageType::Chunk) return std::nullopt;
    if (!data || size != LengthOf(static_cast<uint8_t>(type))) return std::nullopt;
    PipeMessage message = Make(type, sequence);
    std::memcpy(message.Data, data, size);
    return message;
}

PipeMessage MakeAckMessage(uint16_t sequence, bool taken)
{
    PipeMessage message = Make(PipeMessageType::Ack, sequence);
    message.Data[0] = taken ? 1 : 0;
    return message;
}

PipeMessage MakeEventMessage(uint16_t kind, uint16_t value)
{
    PipeMessage message = Make(PipeMessageType::Event, 0);
    message.Data[0] = static_cast<uint8_t>(kind);
    message.Data[1] = static_cast<uint8_t>(kind >> 8);
    message.Data[2] = static_cast<uint8_t>(value);
    message.Data[3] = static_cast<uint8_t>(value >> 8);
    return message;
}

PipeMessage MakePlugMessage(bool plugged)
{
    PipeMessage message = Make(PipeMessageType::Plug, 0);
    message.Data[0] = plugged ? 1 : 0;
    return message;
}

PipeMessageBytes ToBytes(const PipeMessage& message)
{
    PipeMessageBytes bytes;
    std::memcpy(bytes.data(), &message, bytes.size());
    return bytes;
}

std::optional<PipeMessage> DecodePipeMessage(const uint8_t* bytes, size_t size)
{
    if (!bytes || size != sizeof(PipeMessage)) return std::nullopt;
    PipeMessage message;
    std::memcpy(&message, bytes, sizeof message);
    const size_t length = LengthOf(message.Type);
    if (length == 0 || message.Length != length) return std::nullopt;
    return message;
}

uint16_t MessageSequence(const PipeMessage& message) { return Word(message.SequenceLow, message.SequenceHigh); }
uint16_t EventKindOf(const PipeMessage& message) { return Word(message.Data[0], message.Data[1]); }
uint16_t EventValueOf(const PipeMessage& message) { return Word(message.Data[2], message.Data[3]); }
