#include "tweaker/simulated/savage_chip.h"

#include <cstdio>
#include <cstdlib>

#include "tweaker/common/text_format.h"

namespace vdx {

namespace {

constexpr uint8_t kCrtcLock = 0x39;
constexpr uint8_t kCrtcLockedValue = 0x5A;  // as the driver leaves it
constexpr uint8_t kCrtcUnlockValue = 0xA5;
constexpr uint8_t kSeqLock = 0x08;
constexpr uint8_t kSeqUnlockValue = 0x06;

bool isSavage2000(uint16_t id) { return id == 0x9102; }

// Registers the card decides; a saved state never overrides them.
bool isIdentification(uint8_t index) {
  switch (index) {
    case 0x2D: case 0x2E: case 0x2F: case 0x36: case 0x37: case 0x68: case 0x70:
    case 0x81: case 0x82: case 0x83: case 0x84: case 0x92:
    case 0x95: case 0x96: case 0x97: case 0x98:
      return true;
    default:
      return false;
  }
}

const char kHex[] = "0123456789ABCDEF";

void appendHex(std::string& out, uint8_t v) {
  out += kHex[v >> 4];
  out += kHex[v & 15];
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool parseHex(const std::string& text, std::size_t count, std::vector<uint8_t>* out) {
  if (text.size() != count * 2) return false;
  out->assign(count, 0);
  for (std::size_t i = 0; i < count; ++i) {
    int hi = hexDigit(text[2 * i]);
    int lo = hexDigit(text[2 * i + 1]);
    if (hi < 0 || lo < 0) return false;
    (*out)[i] = static_cast<uint8_t>(hi << 4 | lo);
  }
  return true;
}

}  // namespace

SavageChip::SavageChip(const SimCard& card, MilliClock& clock) : card_(card), clock_(&clock) {
  if (isSavage2000(card.deviceId)) {
    plls_ = {{0x35, 0x37, 0x02}, {0x32, 0x34, 0x02}, {0x10, 0x15, 0x01}};
  } else {
    plls_ = {{0x10, 0x15, 0x01}, {0x32, 0x31, 0x08}};
  }
  powerUp();
}

void SavageChip::powerUp() {
  const SimCard& card = card_;
  crtc_.fill(0);
  seq_.fill(0);
  crtcIndex_ = 0;
  seqIndex_ = 0;
  latched_.assign(plls_.size() * 2, 0);
  for (int i = 0; i < 256; ++i) crtc_[static_cast<std::size_t>(i)] = simIdentificationRegister(card, static_cast<uint8_t>(i));
  crtc_[kCrtcLock] = kCrtcLockedValue;
  seq_[kSeqLock] = 0x00;
  // Power-up clocks: the first pair is the memory clock, the second the engine clock.
  setSeq(plls_[0].pllIndex, card.mclkM);
  setSeq(static_cast<uint8_t>(plls_[0].pllIndex + 1), card.mclkN);
  setSeq(plls_[1].pllIndex, card.eclkM);
  setSeq(static_cast<uint8_t>(plls_[1].pllIndex + 1), card.eclkN);
  if (plls_.size() > 2) {
    setSeq(plls_[2].pllIndex, 0x21);
    setSeq(static_cast<uint8_t>(plls_[2].pllIndex + 1), 0x28);
    seq_[0x38] = card.postDividerFlag;
  }
}

int SavageChip::pllSlot(uint8_t index) const {
  for (std::size_t i = 0; i < plls_.size(); ++i) {
    if (index == plls_[i].pllIndex) return static_cast<int>(2 * i);
    if (index == static_cast<uint8_t>(plls_[i].pllIndex + 1)) return static_cast<int>(2 * i + 1);
  }
  return -1;
}

uint8_t SavageChip::crtc(uint8_t index) const { return crtc_[index]; }

uint8_t SavageChip::seq(uint8_t index) const {
  int slot = pllSlot(index);
  return slot >= 0 ? latched_[static_cast<std::size_t>(slot)] : seq_[index];
}

void SavageChip::setSeq(uint8_t index, uint8_t value) {
  seq_[index] = value;
  int slot = pllSlot(index);
  if (slot >= 0) latched_[static_cast<std::size_t>(slot)] = value;
}

bool SavageChip::crtcLocked(uint8_t index) const {
  // The S3 registers from CR2D up open only with CR39 = 0xA5.
  return index >= 0x2D && index != kCrtcLock && crtc_[kCrtcLock] != kCrtcUnlockValue;
}

bool SavageChip::seqLocked(uint8_t index) const { return index > kSeqLock && seq_[kSeqLock] != kSeqUnlockValue; }

uint8_t SavageChip::in8(uint16_t port) {
  uint8_t v = 0xFF;
  switch (port) {
    case kPortCrtcIndex: v = crtcIndex_; break;
    case kPortCrtcData: v = crtcLocked(crtcIndex_) ? 0xFF : crtc(crtcIndex_); break;
    case kPortSeqIndex: v = seqIndex_; break;
    case kPortSeqData: v = seqLocked(seqIndex_) ? 0xFF : seq(seqIndex_); break;
    case kPortInputStatus: v = (clock_->now() % kSimFrameMs) < kSimRetraceMs ? 0x09 : 0x00; break;
    default: break;
  }
  if (recording_) log_.push_back(PortAccess{PortAccess::In8, port, v});
  return v;
}

void SavageChip::writeCrtc(uint8_t value) {
  if (crtcLocked(crtcIndex_)) return;
  // Identification registers are read-only.
  if (isIdentification(crtcIndex_)) return;
  crtc_[crtcIndex_] = value;
  if (onWrite_) onWrite_();
}

void SavageChip::writeSeq(uint8_t value) {
  const uint8_t index = seqIndex_;
  if (seqLocked(index)) return;
  const uint8_t before = seq_[index];
  seq_[index] = value;
  // A latch bit going from 0 to 1 puts the written divisors in force.
  for (std::size_t i = 0; i < plls_.size(); ++i) {
    const SimPll& p = plls_[i];
    if (index == p.loadRegister && (value & p.loadMask) && !(before & p.loadMask)) {
      latched_[2 * i] = seq_[p.pllIndex];
      latched_[2 * i + 1] = seq_[static_cast<uint8_t>(p.pllIndex + 1)];
    }
  }
  if (onWrite_) onWrite_();
}

void SavageChip::out8(uint16_t port, uint8_t value) {
  if (recording_) log_.push_back(PortAccess{PortAccess::Out8, port, value});
  switch (port) {
    case kPortCrtcIndex: crtcIndex_ = value; break;
    case kPortCrtcData: writeCrtc(value); break;
    case kPortSeqIndex: seqIndex_ = value; break;
    case kPortSeqData: writeSeq(value); break;
    default: break;
  }
}

void SavageChip::out16(uint16_t port, uint16_t value) {
  if (recording_) log_.push_back(PortAccess{PortAccess::Out16, port, value});
  const uint8_t lo = static_cast<uint8_t>(value);
  const uint8_t hi = static_cast<uint8_t>(value >> 8);
  switch (port) {
    case kPortCrtcIndex:
      crtcIndex_ = lo;
      writeCrtc(hi);
      break;
    case kPortSeqIndex:
      seqIndex_ = lo;
      writeSeq(hi);
      break;
    default: break;
  }
}

std::vector<PortAccess> SavageChip::accessesWithoutStatus() const {
  std::vector<PortAccess> out;
  for (const PortAccess& a : log_)
    if (a.port != kPortInputStatus) out.push_back(a);
  return out;
}

std::string SavageChip::cardTag() const {
  char buf[32];
  formatText(buf, sizeof buf, "%04X%02X%04X%04X", card_.deviceId, card_.revision, card_.subsystemVendorId,
                card_.subsystemId);
  return buf;
}

std::string SavageChip::saveState() const {
  std::string out = cardTag() + ":";
  // CR39 is kept as the driver leaves it: every register access opens and
  // closes it, and keeping the open value would rewrite the state file twice
  // for each register read.
  for (std::size_t i = 0; i < crtc_.size(); ++i) appendHex(out, i == kCrtcLock ? kCrtcLockedValue : crtc_[i]);
  out += ":";
  for (uint8_t v : seq_) appendHex(out, v);
  out += ":";
  for (uint8_t v : latched_) appendHex(out, v);
  return out;
}

bool SavageChip::loadState(const std::string& text) {
  const std::size_t a = text.find(':');
  const std::size_t b = a == std::string::npos ? a : text.find(':', a + 1);
  const std::size_t c = b == std::string::npos ? b : text.find(':', b + 1);
  if (c == std::string::npos || text.substr(0, a) != cardTag()) return false;
  std::vector<uint8_t> crtc, seq, latched;
  if (!parseHex(text.substr(a + 1, b - a - 1), 256, &crtc) || !parseHex(text.substr(b + 1, c - b - 1), 256, &seq) ||
      !parseHex(text.substr(c + 1), latched_.size(), &latched))
    return false;
  for (int i = 0; i < 256; ++i) {
    const uint8_t idx = static_cast<uint8_t>(i);
    // The card decides what identifies it; everything else but the lock comes back.
    if (!isIdentification(idx) && idx != kCrtcLock) crtc_[idx] = crtc[idx];
    seq_[idx] = seq[idx];
  }
  latched_ = latched;
  return true;
}

}  // namespace vdx
