#pragma once
// What the user sees of loading photos: the progress window on a thread of its own once a wait
// lasts beyond 300 ms (with a cancel button when the wait can be cancelled), and Ovix's message
// boxes for a bad path and for low memory.
#include <memory>

#include "sources/loading_reporter.h"

class ProgressThread;

class LoadingReports : public LoadingReporter {
public:
  LoadingReports();
  // Ends a progress window still shown.
  ~LoadingReports() override;

  void waitStarted(uint32_t steps, std::atomic<bool>* cancel) override;
  void waitEnded() override;
  // True once the main window has been asked to close or the loop to quit.
  bool closing() override;
  void showName(const char* name) override;
  void step() override;
  // The box "Špatná cesta", owned by the main window; answering it changes nothing.
  void badPath(const char* path) override;
  // The box "Nedostatek paměti!", owned by the main window; answering it ends Ovix.
  void lowMemory() override;

private:
  std::unique_ptr<ProgressThread> progress;  // during a wait
};
