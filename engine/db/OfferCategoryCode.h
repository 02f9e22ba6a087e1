#pragma once

// Packed code of one offer, kept in column "category" of the history table.
typedef int OfferCategoryCode;

// Bits 0 to 15: the category number (the series number of a team offer).
const OfferCategoryCode OFFER_CATEGORY_NUMBER_MASK = 0xFFFF;
// The second icon group, shown as "s.b.".
const OfferCategoryCode OFFER_SECOND_GROUP = 0x10000;
// A team-specific offer: the row's game id is a team id.
const OfferCategoryCode OFFER_TEAM_SPECIFIC = 0x20000;
// A resale offer, shown as "R".
const OfferCategoryCode OFFER_RESALE = 0x40000;
