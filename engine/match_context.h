// The state of one search, the growable int stacks it is made of, and the
// search driver.
//
// This file's entry point is RunMatchAt; CompiledPattern::MatchAt wraps it.
// Elements read and write the MatchContext only; capture records are 4 ints
// on captureStack: group number, entry position, exit position (-1 while the
// group is open), nesting count (negative while re-entered by recursion).
// Elements that cut captureStack back leave captureIndex alone, so an index
// may point at or above the top: always find records with LatestRecord().
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace engine {

class Element;
struct StartFilter;

// A growable int buffer. Capacity doubles (at least 8) and is never reduced,
// so one search reuses its buffers across all start positions.
class IntStack {
 public:
  IntStack() = default;
  IntStack(const IntStack&) = delete;
  IntStack& operator=(const IntStack&) = delete;
  ~IntStack() { delete[] data_; }

  void Push(int v) {
    if (length_ == capacity_) Grow();
    data_[length_++] = v;
  }
  int Pop() { return data_[--length_]; }
  // Room for n more pushes, so that a run of PushUnchecked cannot overflow.
  void Reserve(int n) {
    if (length_ + n > capacity_) GrowFor(length_ + n);
  }
  void PushUnchecked(int v) { data_[length_++] = v; }
  int Length() const { return length_; }
  int Capacity() const { return capacity_; }
  // Lowers the length; the capacity stays.
  void SetLength(int n) { length_ = n; }
  // Makes the length n (n above the length), new entries set to fill.
  void GrowTo(int n, int fill);
  int& operator[](int i) { return data_[i]; }
  int operator[](int i) const { return data_[i]; }

 private:
  void Grow();
  void GrowFor(int n);
  void Reallocate(int capacity);

  int* data_ = nullptr;
  int length_ = 0;
  int capacity_ = 0;
};

// Native stack bytes that nested matching may use before a search is aborted.
// Chosen to stay well inside an 8 MB Linux main thread (ASan frames are about
// three times larger) and a 16 MB Windows thread.
constexpr std::ptrdiff_t kMatchStackBudget = 3 * 1024 * 1024;

// Recursion calls that may be open inside one another.
constexpr int kRecursionBudget = 100;

struct MatchContext {
  IntStack backtrackStack;
  IntStack captureStack;
  IntStack captureIndex;
  int currentPos = 0;
  int searchStart = 0;
  int recursionBudget = kRecursionBudget;
  const char16_t* subject = nullptr;
  int subjectLength = 0;

  // Working copies of greedy repetitions' triedEnds while they re-extend
  // (nested repetitions stack theirs above).
  IntStack scratchStack;
  // What the build learnt about the tree (may be null).
  const StartFilter* filter = nullptr;

  // Native stack guard: the frame address of RunMatchAt and the budget.
  // Frame addresses, not locals' addresses, so that sanitizers that move
  // locals off the stack do not fool it.
  const char* stackBase = nullptr;
  std::ptrdiff_t stackBudget = kMatchStackBudget;
  // Set once the guard has tripped; every composite element then fails.
  bool aborted = false;

  // True (and aborted set) once the native stack used since RunMatchAt
  // exceeds the budget. Composite elements call it before recursing.
  bool StackExhausted() {
    if (aborted) return true;
    const char* here = static_cast<const char*>(__builtin_frame_address(0));
    std::ptrdiff_t used = stackBase - here;
    if (used < 0) used = -used;
    if (used > stackBudget) aborted = true;
    return aborted;
  }
};

// Index in captureStack of the latest record of group n, or -1.
int LatestRecord(const MatchContext& ctx, int n);

// Empty when nothing matched; else [1, maxGroupNumber, start0, end0, ...].
using MatchResult = std::vector<int>;

// Searches subject from start (see CompiledPattern::MatchAt). root may be
// null (empty pattern), filter may be null. When the stack guard trips the
// result is empty and *aborted (if given) is true; otherwise *aborted is false.
MatchResult RunMatchAt(const Element* root, uint32_t flags, int maxGroupNumber,
                       const StartFilter* filter, const char16_t* subject, int length,
                       int start, bool* aborted = nullptr);

}  // namespace engine
