// A small window with one of each kind, for the cases both backends share.
#pragma once

#include "ui/table.h"

namespace lornel::contract {

enum Sample : int {
  kCover,    // a panel over kCovered
  kCovered,  // button beneath the cover
  kPanel,    // panel holding a button and a radio set
  kPanelButton,
  kRadioA,
  kRadioB,
  kDisabledButton,
  kTimerA,
  kTimerB,
  kBar,
  kLabel,
  kTransLabel,
  kEdit,
  kSampleCount
};

const ui::Table& SampleTable();

}  // namespace lornel::contract
