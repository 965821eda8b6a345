// The six record layouts: every named field at the offset the game's files
// put it, and the codec's handling of short buffers and raw bytes.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "data/conv_rec.h"
#include "data/gen_rec.h"
#include "data/item_rec.h"
#include "data/loc_rec.h"
#include "data/save_rec.h"
#include "data/scene_rec.h"

namespace qvl::data {
namespace {

using Expected = std::vector<std::pair<std::string, size_t>>;

// Every field named in `expected` sits at the given offset, the fields
// tile the record without gaps and the total is the record size.
void ExpectLayout(const std::vector<FieldInfo>& layout, size_t size, const Expected& expected) {
  std::map<std::string, size_t> offsets;
  size_t next = 0;
  for (const FieldInfo& f : layout) {
    EXPECT_EQ(f.offset, next) << f.name;
    next = f.offset + f.width;
    offsets.emplace(f.name, f.offset);
  }
  EXPECT_EQ(next, size);
  for (const auto& [name, offset] : expected) {
    ASSERT_TRUE(offsets.count(name)) << name;
    EXPECT_EQ(offsets[name], offset) << name;
  }
}

int16_t Int16At(const std::string& bytes, size_t offset) {
  return static_cast<int16_t>(static_cast<uint8_t>(bytes[offset]) | (static_cast<uint8_t>(bytes[offset + 1]) << 8));
}

TEST(RecordLayout, GenRecFieldsAtTheirOffsets) {
  ExpectLayout(Layout<GenRec>(), 908,
               {{"GameTitle", 0},        {"ClickSound", 20},          {"ClickSoundVol", 35},
                {"ClickSoundPan", 37},   {"ObjectSound", 39},         {"ObjectSoundPan", 54},
                {"ObjectSoundVol", 56},  {"InventoryFullSound", 58},  {"InventoryFullSoundVol", 73},
                {"InventoryFullSoundPan", 75}, {"ExitPictureOn", 77}, {"ExitPicture", 79},
                {"BuildDebug", 94},      {"unused96", 96},            {"CDMode", 111},
                {"CDLabel1", 113},       {"CDLabel2", 133},           {"CDLabel4", 173},
                {"CDFirstScene1", 193},  {"CDLastScene1", 201},       {"CDLastScene4", 207},
                {"MenuMusicVol", 209},   {"unused211", 211},          {"HoverSoundVol", 213},
                {"HoverSoundPan", 215},  {"unused217", 217},          {"MenuMusic", 219},
                {"HoverSound", 234},     {"SplashFlag", 249},         {"MenuButton1", 264},
                {"MenuButton5", 272},    {"ItemTooltips", 274},       {"unused276", 276},
                {"Skin1", 284},          {"Skin5", 344},              {"MainMenuButtonOn", 359},
                {"SaveButtonOn", 361},   {"MainMenuButtonImageOn", 363}, {"SaveButtonImageOn", 365},
                {"Skin6", 367},          {"Skin7", 382},              {"SaveLoadOn", 397},
                {"ExamineOn", 399},      {"ScoreOn", 401},            {"ScoreFlag", 403},
                {"MaxScore", 405},       {"LargeScore", 407},         {"MenuBackKind", 409},
                {"Skin8", 411},          {"GameBackKind", 426},       {"Skin9", 428},
                {"ExamineButtonImageOn", 443}, {"ResolutionChange", 445}, {"MovieSize", 447},
                {"CloseUpPreload", 449}, {"StandardSkin", 451},       {"Skin10", 453},
                {"Skin11", 468},         {"unused483", 483},          {"Pointer1", 498},
                {"Pointer15", 708},      {"unused723", 723},          {"unused768", 768},
                {"unused772", 772},      {"unused787", 787},          {"OpeningLogo", 789},
                {"unused804", 804},      {"unused819", 819},          {"unused821", 821},
                {"CreditsScene", 851},   {"IntroAtStart", 853},       {"IntroAtNewGame", 855},
                {"unused857", 857},      {"IntroMovie", 859},         {"IntroOption", 874},
                {"unused876", 876},      {"unused906", 906}});
}

TEST(RecordLayout, ItemAndLocationFieldsAtTheirOffsets) {
  ExpectLayout(Layout<ItemRec>(), 209,
               {{"IconPicture", 15},        {"HighlightPicture", 30},   {"StartInInventory", 45},
                {"Combinable", 47},         {"CombinePartner", 49},     {"CombineResult", 51},
                {"RefusalSound", 53},       {"RefusalSoundVol", 68},    {"RefusalSoundPan", 70},
                {"ExamineSound", 72},       {"ExamineSoundVol", 87},    {"ExamineSoundPan", 89},
                {"HasCloseUp", 91},         {"Caption", 93},            {"CloseUpOption", 123},
                {"CloseUpPicture", 125},    {"AllowDuplicates", 140},   {"ExamineTransforms", 142},
                {"ExamineNewItem", 144},    {"ExamineAddsLocation", 146}, {"ExamineLocation", 148},
                {"ExamineSetsFlag", 150},   {"ExamineFlag", 152},       {"ExamineFlagValue", 154},
                {"ExamineFlagMode", 156},   {"PointerPicture", 158},    {"CombineSound", 173},
                {"unused188", 188},         {"CombineSoundVol", 203},   {"CombineSoundPan", 205},
                {"unused207", 207}});
  ExpectLayout(Layout<LocRec>(), 112,
               {{"LocName", 0},      {"MarkerPicture", 15}, {"MarkerLeft", 30},  {"MarkerTop", 32},
                {"unused34", 34},    {"LocScene", 36},      {"VisibleAtStart", 38}, {"PlaysMedia", 40},
                {"LocMedia", 42},    {"LocMediaVol", 57},   {"LocMediaPan", 59}, {"MapPicture", 61},
                {"unused76", 76},    {"unused91", 91},      {"unused106", 106},  {"unused110", 110}});
}

TEST(RecordLayout, SceneHeaderAndSlotsAtTheirOffsets) {
  ExpectLayout(SceneHeaderLayout(), 255,
               {{"SceneLabel", 0},      {"JumpEnabled", 15},     {"JumpFlag", 17},      {"JumpOp", 19},
                {"JumpValue", 21},      {"JumpScene", 23},       {"ScenePicture", 25},  {"SceneSoundtrack", 40},
                {"SoundtrackVolume", 55}, {"EnterSound", 57},    {"EnterSoundVolume", 72}, {"EnterSoundPan", 74},
                {"ExitSound", 76},      {"ExitSoundVolume", 91}, {"ExitSoundPan", 93},  {"LoopSound", 95},
                {"LoopSoundVolume", 110}, {"LoopSoundPan", 112}, {"EnterMovie", 114},   {"EnterMovieLevel", 129},
                {"ExitMovie", 131},     {"ExitMovieLevel", 146}, {"EntryFlagOn", 148},  {"EntryFlag", 150},
                {"EntryFlagValue", 152}, {"EntryFlagMode", 154}, {"unused156", 156},    {"unused186", 186},
                {"unused201", 201},     {"unused205", 205},      {"UpLinkPointer", 207}, {"UpLinkScene", 209},
                {"DownLinkPointer", 211}, {"LeftLinkScene", 217}, {"RightLinkPointer", 219},
                {"UpLinkTop", 223},     {"UpLinkLeft", 225},     {"UpLinkWidth", 227},  {"UpLinkHeight", 229},
                {"DownLinkTop", 231},   {"LeftLinkTop", 239},    {"RightLinkTop", 247}, {"RightLinkHeight", 253}});
  ExpectLayout(Layout<ObjectSlot>(), 207,
               {{"Kind", 0}, {"Left", 2}, {"Top", 4}, {"Text1", 6}, {"Text9", 126}, {"Param1", 141}, {"Param33", 205}});
  EXPECT_EQ(Layout<SceneRec>().size(), SceneHeaderLayout().size() + 20 * Layout<ObjectSlot>().size());
}

TEST(RecordLayout, ConversationAndSavedGameFieldsAtTheirOffsets) {
  ExpectLayout(Layout<ConvRec>(), 1712,
               {{"ConvLabel", 0},     {"LineText1", 15},     {"LineText5", 215},   {"LineFlagOn1", 265},
                {"LineFlag1", 275},   {"LineValue1", 285},   {"LineMode1", 295},   {"LineMediaOn1", 305},
                {"LineMedia1", 315},  {"LineMedia5", 375},   {"LineVolume1", 390}, {"LinePan1", 400},
                {"unused410_1", 410}, {"unused1660_1", 1660}, {"unused1710", 1710}});
  ExpectLayout(Layout<SaveRec>(), 1113,
               {{"Description", 0},   {"SaveDate", 50},          {"SaveTime", 60},        {"SavedSoundtrack", 70},
                {"SavedSoundtrackVol", 85}, {"SavedScene", 89},  {"SavedFlags1", 91},     {"SavedFlags255", 599},
                {"SavedDelayOn1", 601}, {"SavedDelaySecs1", 641}, {"SavedDelayP6_1", 681}, {"SavedDelayP7_1", 721},
                {"SavedDelayP8_1", 761}, {"SavedInventory1", 801}, {"SavedMapLocations1", 833},
                {"unused873_1", 873}, {"unused1073_1", 1073}});
}

TEST(RecordEncoding, TypedFieldsLandAtTheirBytes) {
  SceneRec scene;
  scene.ScenePicture.Set("hall.bmp");
  scene.UpLink.Top = 10;
  scene.UpLink.Left = 200;
  scene.slot(3).Kind = kGoodie;
  scene.slot(3).Text(2).Set("drip.wav");
  scene.slot(3).Param(6) = -2;
  scene.slot(20).Param(33) = 0x1234;
  std::string bytes = scene.Encode();
  ASSERT_EQ(bytes.size(), SceneRec::kSize);
  EXPECT_EQ(bytes.substr(25, 15), "hall.bmp       ");
  EXPECT_EQ(Int16At(bytes, 223), 10);
  EXPECT_EQ(Int16At(bytes, 225), 200);
  size_t slot3 = 255 + 2 * 207;
  EXPECT_EQ(Int16At(bytes, slot3), 2);
  EXPECT_EQ(bytes.substr(slot3 + 21, 15), "drip.wav       ");
  EXPECT_EQ(static_cast<uint8_t>(bytes[slot3 + 141 + 10]), 0xFE);  // -2, little-endian
  EXPECT_EQ(static_cast<uint8_t>(bytes[slot3 + 141 + 11]), 0xFF);
  EXPECT_EQ(static_cast<uint8_t>(bytes[4393]), 0x34);
  EXPECT_EQ(static_cast<uint8_t>(bytes[4394]), 0x12);
  EXPECT_EQ(SceneRec::Decode(bytes), scene);

  GenRec gen;
  gen.GameTitle.Set("A title longer than twenty");
  gen.ObjectSoundPan = 7;
  gen.Pointer(15).Set("hand.gif");
  gen.IntroOption = -1;
  bytes = gen.Encode();
  ASSERT_EQ(bytes.size(), GenRec::kSize);
  EXPECT_EQ(bytes.substr(0, 20), "A title longer than ");
  EXPECT_EQ(Int16At(bytes, 54), 7);
  EXPECT_EQ(bytes.substr(708, 15), "hand.gif       ");
  EXPECT_EQ(Int16At(bytes, 874), -1);
  EXPECT_EQ(GenRec::Decode(bytes).GameTitle.Trimmed(), "A title longer than");

  SaveRec save;
  save.SavedSoundtrackVol = -100000;
  save.SavedFlags(255) = 9;
  save.SaveTime.Set("02:35 PM");
  bytes = save.Encode();
  ASSERT_EQ(bytes.size(), SaveRec::kSize);
  int32_t vol;
  std::memcpy(&vol, bytes.data() + 85, 4);
  EXPECT_EQ(vol, -100000);
  EXPECT_EQ(Int16At(bytes, 599), 9);
  EXPECT_EQ(bytes.substr(60, 10), "02:35 PM  ");
  EXPECT_EQ(SaveRec::Decode(bytes), save);
}

TEST(RecordEncoding, ShortBuffersReadAsEmptyRecordParts) {
  EXPECT_EQ(ItemRec::Decode(""), ItemRec());
  EXPECT_EQ(ItemRec().Encode(), std::string(15 * 3, ' ') + std::string(8, '\0') + std::string(15, ' ') +
                                    std::string(4, '\0') + std::string(15, ' ') + std::string(6, '\0') +
                                    std::string(30, ' ') + std::string(2, '\0') + std::string(15, ' ') +
                                    std::string(18, '\0') + std::string(45, ' ') + std::string(6, '\0'));
  // 23 bytes: the icon field holds eight of its bytes and reads spaces after them.
  ItemRec item = ItemRec::Decode("unused-field###icon.gif");
  EXPECT_EQ(item.unused0.Raw(), "unused-field###");
  EXPECT_EQ(item.IconPicture.Raw(), "icon.gif       ");
  // An integer cut after its low byte keeps it and reads zero above it.
  std::string partial = ItemRec().Encode().substr(0, 46);
  partial[45] = '\x05';
  EXPECT_EQ(ItemRec::Decode(partial).StartInInventory, 5);
  partial += '\x01';
  EXPECT_EQ(ItemRec::Decode(partial).StartInInventory, 0x105);
}

TEST(RecordEncoding, TextFieldsKeepEveryRawByte) {
  std::string raw("\0ab  \x81\xFF\x7F" "cd     ", 15);
  LocRec loc = LocRec::Decode(raw);
  EXPECT_EQ(loc.LocName.Raw(), raw);
  EXPECT_EQ(loc.Encode().substr(0, 15), raw);

  Text15 text;
  text.Set("   Hall.jpg");
  EXPECT_EQ(text.Trimmed(), "Hall.jpg");
  EXPECT_EQ(text.Raw(), "   Hall.jpg    ");
  text.Set("exactly15chars!");
  EXPECT_EQ(text.Trimmed(), "exactly15chars!");
  text.Set("");
  EXPECT_EQ(text.Trimmed(), "");
}

TEST(RecordEncoding, NumberedFieldsStartAtOneAndStopAtTheirCount) {
  ConvRec conv;
  conv.LineText(5).Set("Goodbye");
  EXPECT_EQ(conv.Encode().substr(215, 7), "Goodbye");
  EXPECT_THROW(conv.LineText(0), RuntimeError);
  EXPECT_THROW(conv.LineText(6), RuntimeError);
  SceneRec scene;
  EXPECT_THROW(scene.slot(21), RuntimeError);
  EXPECT_THROW(scene.slot(1).Param(34), RuntimeError);
  try {
    scene.slot(0);
    FAIL();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), 9);
  }
  EXPECT_EQ(KindName(kMultiTrigger), "Multi-Trigger");
  EXPECT_EQ(KindName(10), ">>> Unknown <<<");
}

}  // namespace
}  // namespace qvl::data
