"""The fixed world of the simulated ticket site: 32 teams and 64 matches."""

import datetime

# Team ids and names exactly as the program's team table has them.
TEAMS = {
    1: "Angola", 2: "Argentinien", 3: "Australien", 4: "Brasilien",
    5: "Costa Rica", 6: "Deutschland", 7: "Ecuador", 8: "Elfenbeinküste",
    9: "England", 10: "Frankreich", 11: "Ghana", 12: "Iran",
    13: "Italien", 14: "Japan", 15: "Korea Republik", 16: "Kroatien",
    17: "Mexiko", 18: "Niederlande", 19: "Paraguay", 20: "Polen",
    21: "Portugal", 22: "Saudiarabien", 23: "Schweden", 24: "Schweiz",
    25: "Serbien und Montenegro", 26: "Spanien", 27: "Togo",
    28: "Trinidad und Tobago", 29: "Tschechische Republik", 30: "Tunesien",
    31: "Ukraine", 32: "USA",
}

# The eight groups of the tournament; the TST list shows the teams in this
# order, not in id order.
GROUPS = [
    ("A", [6, 5, 20, 7]),
    ("B", [9, 19, 28, 23]),
    ("C", [2, 8, 25, 18]),
    ("D", [17, 12, 1, 21]),
    ("E", [13, 11, 32, 29]),
    ("F", [4, 16, 3, 14]),
    ("G", [10, 24, 15, 27]),
    ("H", [26, 31, 30, 22]),
]

CITIES = ["München", "Gelsenkirchen", "Frankfurt", "Hamburg", "Leipzig",
          "Nürnberg", "Dortmund", "Köln", "Hannover", "Kaiserslautern",
          "Stuttgart", "Berlin"]

WEEKDAYS = ["Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"]


class Match:
    def __init__(self, number, when, city, first, second):
        self.number = number
        self.when = when
        self.city = city
        self.first = first
        self.second = second

    @property
    def title(self):
        return "%s - %s" % (self.first, self.second)


def team_id(value):
    """A team given as its id (int or digits) or its name, ignoring case."""
    if isinstance(value, int) or (isinstance(value, str) and value.isdigit()):
        number = int(value)
        if number in TEAMS:
            return number
        raise ValueError("no team with id %s" % value)
    for number, name in TEAMS.items():
        if name.lower() == str(value).strip().lower():
            return number
    raise ValueError("no team named %r" % value)


def _build_matches():
    pairings = [(0, 1), (2, 3), (0, 2), (3, 1), (3, 0), (1, 2)]
    matches = []
    start = datetime.datetime(2006, 6, 9, 18, 0)
    kickoffs = [15, 18, 21]
    # Group stage: the first two rounds three matches a day, the third
    # round two groups (four matches) a day.
    slot = 0
    for round_index in range(3):
        for group_index, (_, teams) in enumerate(GROUPS):
            for pair in pairings[round_index * 2: round_index * 2 + 2]:
                day, hour = divmod(slot, 3)
                when = start.replace(hour=kickoffs[hour]) + datetime.timedelta(days=day)
                number = len(matches) + 1
                city = CITIES[(number * 5) % len(CITIES)]
                matches.append(Match(number, when, city,
                                     TEAMS[teams[pair[0]]], TEAMS[teams[pair[1]]]))
                slot += 1
    letters = [g for g, _ in GROUPS]
    knockout = []
    for i in range(0, 8, 2):
        knockout.append(("Sieger Gruppe " + letters[i], "Zweiter Gruppe " + letters[i + 1]))
        knockout.append(("Sieger Gruppe " + letters[i + 1], "Zweiter Gruppe " + letters[i]))
    for i in range(49, 57, 2):
        knockout.append(("Sieger Spiel %d" % i, "Sieger Spiel %d" % (i + 1)))
    knockout.append(("Sieger Spiel 57", "Sieger Spiel 58"))
    knockout.append(("Sieger Spiel 59", "Sieger Spiel 60"))
    knockout.append(("Verlierer Spiel 61", "Verlierer Spiel 62"))
    knockout.append(("Sieger Spiel 61", "Sieger Spiel 62"))
    days = [15, 15, 16, 16, 17, 17, 18, 18, 21, 21, 22, 22, 25, 26, 29, 30]
    for index, (first, second) in enumerate(knockout):
        number = 49 + index
        when = datetime.datetime(2006, 6, 9, 17 if index % 2 == 0 else 21, 0) + \
            datetime.timedelta(days=days[index])
        matches.append(Match(number, when, CITIES[number % len(CITIES)], first, second))
    return matches


MATCHES = _build_matches()
assert len(MATCHES) == 64 and [m.number for m in MATCHES] == list(range(1, 65))
