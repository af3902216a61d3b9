#pragma once
// The drawing helpers the generators share: the program's card art (suit
// symbols, text as outlines, a canvas at a scale, the index faces, a
// repeatable random number source and colour mixing).
#include "card_art.h"
#include "index_faces.h"

namespace velmora::mkres {

using art::Canvas;
using art::CentredText;
using art::DrawBlankCard;
using art::DrawIndexFace;
using art::DrawJoker;
using art::FaceStyle;
using art::kSuits;
using art::Mix;
using art::Random;
using art::Suit;
using art::SuitPath;
using art::TextAt;
using art::TextOutline;
using art::TextStyle;
using art::Typeface;

}  // namespace velmora::mkres
