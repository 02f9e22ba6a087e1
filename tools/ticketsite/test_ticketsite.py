"""Self-test of the simulated site's scenarios. Its pages are read by the
program's own parsers in the engine tests."""

import contextlib
import io
import http.client
import json
import os
import sys
import tempfile
import threading
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import pages  # noqa: E402
from hosts import Hosts  # noqa: E402
from scenario import Scenario, parse_offer_option  # noqa: E402
from ticketsite import SiteServer, SiteState  # noqa: E402

class Scenarios(unittest.TestCase):
    def test_offers_come_and_go_on_the_scenario_clock(self):
        offer = parse_offer_option("match=3 category=2 from=10 to=20")
        self.assertEqual([offer.active(t) for t in (9.99, 10, 19.99, 20)], [False, True, True, False])
        repeated = parse_offer_option("team=Deutschland resale=7 from=10 to=15 repeat=30")
        self.assertEqual([repeated.active(t) for t in (12, 20, 41, 46, 71)], [True, False, True, False, True])
        self.assertEqual(repeated.periods(45), [(10, 15), (40, 45)], "the statistics list each period begun")
        scenario = Scenario({"offers": [{"match": 7, "category": 1}, {"match": 7, "category": 1, "state": "ltl",
                                                                       "from": 5}]})
        self.assertEqual([scenario.match_icon(7, False, 1, t) for t in (1, 6)], [1, 2], "the fuller state shows")

    def test_offers_that_make_no_sense_are_refused(self):
        for entry in ({"match": 65, "category": 1}, {"match": 3, "category": 5}, {"match": 3},
                     {"team": "Atlantis", "series": 3}, {"team": 3, "series": 8}, {"team": 3, "series": 3, "sb": True},
                     {"match": 3, "category": 1, "state": "maybe"}, {"match": 3, "category": 1, "from": 5, "to": 5},
                     {"match": 3, "category": 1, "repeat": 10}, {"match": 3, "category": 1, "colour": "red"}):
            with self.assertRaises(ValueError, msg=entry):
                Scenario({"offers": [entry]})

    def test_detail_pages_follow_their_content_rule(self):
        offers = [{"match": 5, "resale": 2}, {"team": 6, "resale": 3}]

        def detail(kind, content):
            scenario = Scenario({"offers": offers, "pages": {kind: {"content": content}}})
            if kind == "tst-detail":
                return pages.tst_detail_page(scenario, 0, 6).decode(pages.CHARSET)
            return pages.resale_detail_page(scenario, 0, 5).decode(pages.CHARSET)

        self.assertIn("> TST-3", detail("tst-detail", "normal"))
        sold_out = detail("tst-detail", "sold-out")
        self.assertIn("<form", sold_out, "still the team's page")
        self.assertNotIn("<input type=\"radio\"", sold_out)
        self.assertNotIn("<form", detail("tst-detail", "maintenance"))
        self.assertEqual(detail("tst-detail", "empty"), "")
        self.assertEqual(detail("resale-detail", "normal").count("<input type=\"radio\""), 1)
        self.assertEqual(detail("resale-detail", "sold-out").count("<input type=\"radio\""), 0)
        self.assertEqual(detail("resale-detail", "broken").count("<strong>Platz"), 7)


class HostNames(unittest.TestCase):
    def test_the_sites_own_address_serves_every_page_and_strange_names_none(self):
        hosts = Hosts("tickets.example", "stats.example", "info.example")
        cases = [("resale-list", "127.0.0.1", True), ("statistics", "localhost", True), ("info", "[::1]", True),
                 ("resale-list", "tickets.example", True), ("resale-list", "stats.example", False),
                 ("statistics", "tickets.example", False), ("tst-list", "127.0.0.1.example", False)]
        for kind, host, served in cases:
            self.assertEqual(hosts.serves(kind, host), served, (kind, host))


class Server(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp()
        self.path = os.path.join(self.folder, "scenario.json")
        self.write({"offers": [{"match": 2, "category": 1}]})
        self.state = SiteState(self.path, [])
        self.server = SiteServer(("127.0.0.1", 0), self.state, Hosts("tickets.example"), None, quiet=True)
        self.thread = threading.Thread(target=self.server.serve_forever, kwargs={"poll_interval": 0.05})
        self.thread.start()

    def tearDown(self):
        self.server.shutdown()
        self.thread.join()
        self.server.server_close()

    def write(self, data):
        with open(self.path, "w", encoding="utf-8") as f:
            json.dump(data, f)

    def icons_of_match_2(self):
        connection = http.client.HTTPConnection("127.0.0.1", self.server.server_address[1], timeout=10)
        connection.request("GET", "http://tickets.example:80" + pages.RESALE_LIST_PATH)
        body = connection.getresponse().read().decode(pages.CHARSET)
        connection.close()
        row = body[body.index("#2<"):body.index("#3<")]
        return [pages.ICONS[s] in row for s in (1, 2)]

    def test_a_changed_scenario_is_taken_at_the_next_request_and_a_bad_one_refused(self):
        self.assertEqual(self.icons_of_match_2(), [True, False])
        self.write({"offers": [{"match": 2, "category": 4, "state": "ltl"}]})
        self.assertEqual(self.icons_of_match_2(), [False, True])
        self.write({"offers": [{"match": 99, "category": 1}]})
        with contextlib.redirect_stderr(io.StringIO()):
            self.assertEqual(self.icons_of_match_2(), [False, True], "the last good scenario stays")
        self.assertIn("match", self.state.error)


def run_into(result_path):
    """Runs every test and writes the outcome to a file: "0" or "1" on the
    first line, the runner's report after it (for callers that cannot wait
    for this process, such as a Windows program under Wine)."""
    report = io.StringIO()
    suite = unittest.defaultTestLoader.loadTestsFromModule(sys.modules[__name__])
    outcome = unittest.TextTestRunner(stream=report, verbosity=1).run(suite)
    temporary = result_path + ".tmp"
    with open(temporary, "w", encoding="utf-8") as f:
        f.write("%d\n%s" % (0 if outcome.wasSuccessful() else 1, report.getvalue()))
    os.replace(temporary, result_path)


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--result-file":
        run_into(sys.argv[2])
    else:
        unittest.main()
