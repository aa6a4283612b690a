// The two views' command tables against the ids each view must hold:
// each view holds exactly these ids, once each; every platform-bound id is
// the editor's built member or pending (bound later).
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "platform/editor/editor_commands.h"
#include "views/edit_view_ids.h"
#include "views/view_commands.h"

namespace zv {
namespace {

std::set<int> Parse(const char* text) {
  std::set<int> ids;
  std::istringstream in(text);
  for (int id; in >> id;) ids.insert(id);
  return ids;
}

// The platform editor's members bound straight by the section view.
constexpr const char* kSectionPlatform =
    "204 205 207 319 320 321 322 324 326 333 334 335 337 339 340 341 342 344 345 347 348 349 350 351 352 353 354 "
    "355 356 357 358 359 360 361 362 363 364 365 366 367 368 369 370 371 372 373 374 375 376 377 378 379 380 381 "
    "382 383 384 385 386 387 388 389 390 391 392 393 394 395 396 397 398 399 400 401 402 403 404 405 406 407 408 "
    "409 410 411 412 413 414 415 416 417 418 419 420 421 422 423 424 425 426 427 428 429 430 431 433 434 435 436 "
    "438 439 442 443 444 445 446 462 463 464 465 466 467 468 469 470 471 472 473 474 475 476 477 478 479 480 481 "
    "482 483 484 485 486 487 488 489 490 491 492 493 494 495 496 497 3000 3001 3002 3003 3004 3005 3006 3007 3008 "
    "3009 3010 3011 3013 3014 3015 3016 3017 32771 32798 32857 32858 32859 32921 32922 32923 32924 32925 32933 "
    "32934 32935 32936 32937 32939 32956 32957 32958 32959 32960 32961 32990 32992 32993 32994 33146 33147 33214 "
    "33216 33217 33385 33574 40007 40008 40009 40010 40011 40012 40013 40014 40015 40016 40017 40018 40019 40020 "
    "40022 40023 40024 40025 40026 40027 40028 40029 40030 40031 40032 40033 40034 40043 40044 40046 40050 40051 "
    "57337 57338 57342";
// The section view's own handlers.
constexpr const char* kSectionOwn =
    "300 301 302 303 304 305 306 307 308 309 310 311 312 313 314 315 316 317 318 203 323 206 336 343 346 338 33389 "
    "33063 33062 432 437 3012 40035 447 32795 440 441 448 449 452 455 459 460 461 33466 33467 33468 33469 33470 "
    "33471 40036 40037 40038 40039 40041 40040 40042 33386 32964 32965 32975 33543 32799 33193 32905 32802 32909 "
    "32911 32995";
constexpr const char* kPlanLeftOut = "204 207 412 32857 32858 32859 32992";
constexpr const char* kPlanPlatformAdded = "33195 33196 40036 40037 40038 40039 57607 57608 57609";
constexpr const char* kPlanOwn =
    "203 323 336 338 343 346 432 437 440 441 448 449 452 455 459 460 461 3012 33062 33063 33386 33389 33466 33467 "
    "33468 33469 33470 33471 40035 40040 40041 40042 412 447 32795 33543 32964 32975 32780 32781 32782 32783 32784 "
    "32785 32786 32787 32792 32793 32801 32969 32970 32971 33065 33192 33203 33622 33157 33194 33197 33198 33199 "
    "33200 33201 33202 33528 33599 33427 32896 32995 40052";

struct TableCase {
  const char* name;
  std::vector<cmd::CommandRow> table;
  std::set<int> expected;
  std::set<int> platform;
};

std::vector<TableCase> Cases() {
  std::set<int> section = Parse(kSectionPlatform);
  section.insert(views::kMakeTextCurParmId);
  std::set<int> plan = section;
  for (int id : Parse(kPlanLeftOut)) plan.erase(id);
  for (int id : Parse(kPlanPlatformAdded)) plan.insert(id);
  std::set<int> sectionAll = section, planAll = plan;
  for (int id : Parse(kSectionOwn)) sectionAll.insert(id);
  for (int id : Parse(kPlanOwn)) planAll.insert(id);
  return {{"section", SectionViewTable(), sectionAll, section}, {"plan", PlanViewTable(), planAll, plan}};
}

TEST(EditViewTables, EachViewHoldsExactlyItsIdsOnceEach) {
  for (const TableCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    std::multiset<int> ids;
    for (const cmd::CommandRow& row : c.table) ids.insert(row.id);
    for (int id : ids) EXPECT_EQ(ids.count(id), 1u) << "dispatched twice: " << id;
    EXPECT_EQ(std::set<int>(ids.begin(), ids.end()), c.expected);
  }
}

TEST(EditViewTables, PlatformBoundIdsAreTheEditorsMembersOrPending) {
  for (const TableCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    for (const cmd::CommandRow& row : c.table) {
      if (row.kind == cmd::CommandKind::kPlatformMember) {
        EXPECT_TRUE(c.platform.count(row.id)) << row.id;
        EXPECT_NE(editor::FindEditorCommand(row.id), nullptr) << row.id;
      }
      // A platform id the editor has built is never left pending.
      if (row.kind == cmd::CommandKind::kBoundLater && c.platform.count(row.id))
        EXPECT_EQ(editor::FindEditorCommand(row.id), nullptr) << row.id;
      EXPECT_NE(row.name == nullptr && row.kind == cmd::CommandKind::kBoundLater, true) << row.id;
    }
  }
}

TEST(EditViewTables, DigitiserItemsStayDisabled) {
  for (const cmd::CommandRow& row : SectionViewTable()) {
    if (row.id < views::kFirstDigitiserId || row.id > views::kLastDigitiserId) continue;
    ASSERT_NE(row.update, nullptr) << row.id;
  }
}

}  // namespace
}  // namespace zv
