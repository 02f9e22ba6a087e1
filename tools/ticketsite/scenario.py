"""Which offers the simulated site shows at which moment, and how its pages
misbehave.

A scenario is a JSON object:

    {
      "offers": [
        {"match": 12, "category": 1, "state": "yes"},
        {"match": 12, "category": 3, "sb": true, "state": "ltl", "from": 30, "to": 90},
        {"match": 5, "resale": 2, "from": 0, "to": 120, "repeat": 300},
        {"team": 8, "series": 3},
        {"team": "Deutschland", "resale": 7}
      ],
      "pages": {"resale-detail": {"delay": 2.5}, "resale-list": {"content": "maintenance"}},
      "webpages": [{"name": "Ticketportal", "url": "http://..."}]
    }

Times are seconds since the scenario was loaded; an offer is on sale while
from <= t < to (no "to": for ever); with "repeat" it comes back every
"repeat" seconds.
"""

import json

from sitedata import MATCHES, TEAMS, team_id

PAGE_KINDS = ("resale-list", "tst-list", "resale-detail", "tst-detail", "statistics", "info")
STATES = {"yes": 1, "ltl": 2}
CONTENTS = ("normal", "maintenance", "broken", "empty", "trailing-zeros", "sold-out")
NAME_ENCODINGS = ("entity", "numeric", "raw", "utf8")


class Offer:
    """One thing on sale for a while: a list icon, a resale offer of a match,
    a team series icon or a team series resale offer."""

    def __init__(self, entry):
        if not isinstance(entry, dict):
            raise ValueError("an offer must be an object: %r" % (entry,))
        known = {"match", "team", "category", "series", "resale", "sb", "state", "from", "to", "repeat"}
        unknown = set(entry) - known
        if unknown:
            raise ValueError("unknown offer keys %s in %r" % (sorted(unknown), entry))
        self.match = self.team = None
        self.category = self.series = None
        self.resale = "resale" in entry
        self.sb = bool(entry.get("sb", False))
        self.state = STATES.get(str(entry.get("state", "yes")).lower())
        if self.state is None:
            raise ValueError("state must be 'yes' or 'ltl': %r" % (entry,))
        if ("match" in entry) == ("team" in entry):
            raise ValueError("an offer names either a match or a team: %r" % (entry,))
        if "match" in entry:
            self.match = _int_in(entry["match"], 1, 64, "match")
            if self.resale:
                self.category = _int_in(entry["resale"], 1, 4, "resale category")
            else:
                self.category = _int_in(entry.get("category"), 1, 4, "category")
        else:
            self.team = team_id(entry["team"])
            if self.sb:
                raise ValueError("team series have no s.b. group: %r" % (entry,))
            if self.resale:
                # Any series number may be listed on a detail page; the list
                # page has icons for 3 to 7 only.
                self.series = _int_in(entry["resale"], 1, 99, "resale series")
            else:
                self.series = _int_in(entry.get("series"), 3, 7, "series")
        self.start = _seconds(entry.get("from", 0), "from")
        self.end = None if entry.get("to") is None else _seconds(entry["to"], "to")
        if self.end is not None and self.end <= self.start:
            raise ValueError("'to' must lie after 'from': %r" % (entry,))
        self.repeat = None if entry.get("repeat") is None else _seconds(entry["repeat"], "repeat")
        if self.repeat is not None:
            if self.end is None or self.repeat < self.end - self.start or self.repeat <= 0:
                raise ValueError("'repeat' needs 'to' and must not be shorter than the offer: %r" % (entry,))

    def periods(self, t):
        """The periods (start, end or None) of this offer begun by time t."""
        if t < self.start:
            return []
        if self.repeat is None:
            return [(self.start, self.end)]
        count = int((t - self.start) // self.repeat) + 1
        length = self.end - self.start
        return [(self.start + i * self.repeat, self.start + i * self.repeat + length) for i in range(count)]

    def active(self, t):
        return any(start <= t and (end is None or t < end) for start, end in self.periods(t))


def _int_in(value, low, high, what):
    try:
        number = int(value)
    except (TypeError, ValueError):
        raise ValueError("%s must be a number from %d to %d, not %r" % (what, low, high, value))
    if not low <= number <= high:
        raise ValueError("%s must be from %d to %d, not %d" % (what, low, high, number))
    return number


def _seconds(value, what):
    try:
        number = float(value)
    except (TypeError, ValueError):
        raise ValueError("'%s' must be seconds, not %r" % (what, value))
    if number < 0:
        raise ValueError("'%s' must not be negative" % what)
    return number


class PageRule:
    """How one kind of page answers: status, delay, content variant."""

    def __init__(self, kind, entry):
        entry = dict(entry or {})
        self.kind = kind
        self.status = int(entry.pop("status", 200))
        self.delay = _seconds(entry.pop("delay", 0), "delay")
        self.location = entry.pop("location", "http://example.invalid/")
        self.content = entry.pop("content", "normal")
        if self.content not in CONTENTS:
            raise ValueError("content of %s must be one of %s" % (kind, ", ".join(CONTENTS)))
        self.names = entry.pop("names", "entity")
        if self.names not in NAME_ENCODINGS:
            raise ValueError("names of %s must be one of %s" % (kind, ", ".join(NAME_ENCODINGS)))
        self.trailing_comma = bool(entry.pop("trailing_comma", True))
        if entry:
            raise ValueError("unknown keys %s for page %s" % (sorted(entry), kind))


class Scenario:
    def __init__(self, data=None):
        data = data or {}
        if not isinstance(data, dict):
            raise ValueError("a scenario is a JSON object")
        unknown = set(data) - {"offers", "pages", "webpages"}
        if unknown:
            raise ValueError("unknown scenario keys %s" % sorted(unknown))
        self.offers = [Offer(o) for o in data.get("offers", [])]
        pages = data.get("pages", {})
        unknown = set(pages) - set(PAGE_KINDS)
        if unknown:
            raise ValueError("unknown page kinds %s (known: %s)" % (sorted(unknown), ", ".join(PAGE_KINDS)))
        self.pages = {kind: PageRule(kind, pages.get(kind)) for kind in PAGE_KINDS}
        self.webpages = data.get("webpages")

    @staticmethod
    def from_text(text):
        return Scenario(json.loads(text) if text.strip() else {})

    def with_offers(self, extra):
        self.offers.extend(extra)
        return self

    # The state of the site at time t -----------------------------------

    def match_icon(self, match, sb, category, t):
        """0 no offer, 1 tickets on sale, 2 few tickets left."""
        states = [o.state for o in self.offers
                  if o.match == match and not o.resale and o.sb == sb and o.category == category and o.active(t)]
        return max(states, default=0)

    def match_resale(self, match, t):
        """The (sb, category) pairs offered for resale."""
        return {(o.sb, o.category) for o in self.offers if o.match == match and o.resale and o.active(t)}

    def team_icon(self, team, series, t):
        states = [o.state for o in self.offers
                  if o.team == team and not o.resale and o.series == series and o.active(t)]
        return max(states, default=0)

    def team_resale(self, team, t):
        return sorted({o.series for o in self.offers if o.team == team and o.resale and o.active(t)})

    def periods(self, t):
        """Every offer period begun by t, in start order: (offer, start, end)."""
        found = [(o, start, end) for o in self.offers for start, end in o.periods(t)]
        return sorted(found, key=lambda p: p[1])  # stable: scenario order within one moment


def parse_offer_option(text):
    """An offer given on the command line as 'key=value key=value ...'."""
    entry = {}
    for part in text.replace(",", " ").split():
        if "=" not in part:
            raise ValueError("offer option parts are key=value: %r" % part)
        key, value = part.split("=", 1)
        if key == "sb":
            entry[key] = value.lower() in ("1", "true", "yes")
        elif key in ("state", "team"):
            entry[key] = value.replace("_", " ") if key == "team" else value
        else:
            entry[key] = float(value) if key in ("from", "to", "repeat") else value
    return Offer(entry)


__all__ = ["Scenario", "Offer", "PageRule", "parse_offer_option", "PAGE_KINDS", "MATCHES", "TEAMS"]
