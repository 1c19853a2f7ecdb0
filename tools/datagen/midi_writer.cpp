#include "midi_writer.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace datagen {
namespace {

constexpr int kTicksPerBeat = 480;
constexpr int kTicksPerStep = kTicksPerBeat / kStepsPerBeat;

struct TrackInfo {
  Part part;
  const char* name;
  std::uint8_t channel;
  std::uint8_t program;  // General MIDI instrument, counted from 0
  std::uint8_t velocity;
};

constexpr std::array<TrackInfo, 4> kTracks{{
    {Part::Lead, "Lead", 0, 80, 100},  // square lead
    {Part::Arpeggio, "Arpeggio", 1, 80, 56},
    {Part::Bass, "Bass", 2, 38, 96},  // synth bass
    {Part::Drums, "Drums", 9, 0, 100},
}};

void PutVariable(Bytes& out, std::uint32_t value) {
  std::array<std::uint8_t, 5> groups{};
  int count = 0;
  do {
    groups[static_cast<std::size_t>(count++)] = value & 0x7F;
    value >>= 7;
  } while (value);
  while (count-- > 0) {
    const std::uint8_t more = count ? 0x80 : 0;
    out.push_back(groups[static_cast<std::size_t>(count)] | more);
  }
}

void PutMeta(Bytes& out, std::uint8_t type, const Bytes& data) {
  out.insert(out.end(), {0xFF, type});
  PutVariable(out, static_cast<std::uint32_t>(data.size()));
  out.insert(out.end(), data.begin(), data.end());
}

Bytes TextBytes(const char* name) {
  Bytes data;
  PutText(data, name);
  return data;
}

void PutChunk(Bytes& out, const char* id, const Bytes& body) {
  PutText(out, id);
  PutBe32(out, static_cast<std::uint32_t>(body.size()));
  out.insert(out.end(), body.begin(), body.end());
}

Bytes ConductorTrack() {
  Bytes track;
  PutVariable(track, 0);
  PutMeta(track, 0x03, TextBytes("Ridgeline"));
  PutVariable(track, 0);
  constexpr std::uint32_t kMicrosPerBeat = 60'000'000 / kTempo;
  PutMeta(
      track, 0x51,
      {static_cast<std::uint8_t>(kMicrosPerBeat >> 16),
       static_cast<std::uint8_t>(kMicrosPerBeat >> 8), static_cast<std::uint8_t>(kMicrosPerBeat)});
  PutVariable(track, 0);
  PutMeta(track, 0x58, {4, 2, 24, 8});  // 4/4
  PutVariable(track, static_cast<std::uint32_t>(kSteps * kTicksPerStep));
  PutMeta(track, 0x2F, {});
  return track;
}

Bytes PartTrack(const std::vector<ScoreNote>& score, const TrackInfo& info) {
  // (tick, 0 for a note-off so that it sorts before a note-on at the same tick, key)
  std::vector<std::tuple<int, int, int>> events;
  for (const ScoreNote& n : score) {
    if (n.part != info.part) continue;
    events.emplace_back(n.step * kTicksPerStep, 1, n.pitch);
    events.emplace_back((n.step + n.length) * kTicksPerStep, 0, n.pitch);
  }
  std::sort(events.begin(), events.end());
  Bytes track;
  PutVariable(track, 0);
  PutMeta(track, 0x03, TextBytes(info.name));
  PutVariable(track, 0);
  track.insert(track.end(), {static_cast<std::uint8_t>(0xC0 | info.channel), info.program});
  int now = 0;
  for (const auto& [tick, on, key] : events) {
    PutVariable(track, static_cast<std::uint32_t>(tick - now));
    now = tick;
    const std::uint8_t status = on ? 0x90 : 0x80;
    track.insert(track.end(),
                 {static_cast<std::uint8_t>(status | info.channel), static_cast<std::uint8_t>(key),
                  on ? info.velocity : std::uint8_t{64}});
  }
  PutVariable(track, static_cast<std::uint32_t>(kSteps * kTicksPerStep - now));
  PutMeta(track, 0x2F, {});
  return track;
}

}  // namespace

Bytes EncodeMidi(const std::vector<ScoreNote>& score) {
  Bytes out;
  Bytes header;
  PutBe16(header, 1);  // format 1: simultaneous tracks
  PutBe16(header, 1 + kTracks.size());
  PutBe16(header, kTicksPerBeat);
  PutChunk(out, "MThd", header);
  PutChunk(out, "MTrk", ConductorTrack());
  for (const TrackInfo& info : kTracks) PutChunk(out, "MTrk", PartTrack(score, info));
  return out;
}

}  // namespace datagen
