"""Self-test of the simulated ticket site: the pages are read back with the
patterns the program applies to them, so that a page the program could not
read, or one that says something else than the scenario, fails here."""

import contextlib
import html
import io
import http.client
import json
import os
import re
import sys
import tempfile
import threading
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import pages  # noqa: E402
from hosts import Hosts, read_constants  # noqa: E402
from scenario import Scenario, parse_offer_option  # noqa: E402
from sitedata import TEAMS  # noqa: E402
from ticketsite import SiteServer, SiteState  # noqa: E402

# The program's patterns, in Python's notation (blank = space or tab).
FLAGS = re.I | re.S
MATCH_ROW = re.compile(r"<tr>[^<]*<td[^>]*>([ \t]*#.*?</div[^>]*>[^<]*</td[^>]*>)[^<]*</tr[^>]*>", FLAGS)
IMAGE = re.compile(r"(<img[^>]*>)", FLAGS)
TEAM_ROW = re.compile(r"<tr[^>]*>[^<]*<td[^>]*>([^<]*)</td[^>]*>(.*?)</tr>", FLAGS)
CELL = re.compile(r"""(?:<a[ \t]+href=("[^"]*"|'[^']*')[^>]*>)?(<img[^>]*>)""", FLAGS)
BLOCK = re.compile(r"<strong>Platz[^<]*</strong>.*?</tr>(.*?)</tr>", FLAGS)
OFFER = re.compile(r"<input[^>]*>[ \t]*TST-(\d+)", FLAGS)
ITEM = re.compile(r"'([^']*)',|\)")


def array_pattern(name):
    line = r"(?:\r\n|\r|\n)*"
    return re.compile(r"var[ \t]*%s[ \t]*%s[ \t]*=[ \t]*%s[ \t]*new[ \t]*%s[ \t]*Array[^(]*\(([^)]*\))"
                      % (line, re.escape(name), line, line), re.S)


def icon_state(tag):
    tag = tag.lower()
    return 2 if "tickets_ltl" in tag else 1 if "tickets_yes" in tag else 0


def text(body):
    return body.decode(pages.CHARSET)


def read_resale_list(body):
    """{number: (icons of group 1, resale icon tag, icons of group 2)}."""
    rows = {}
    for row in MATCH_ROW.findall(text(body)):
        tags = IMAGE.findall(row)
        number = int(re.match(r"#\s*(\d+)", row).group(1))
        rows[number] = ([icon_state(t) for t in tags[:4]], tags[4] if len(tags) > 4 else None,
                        [icon_state(t) for t in tags[5:]], len(tags))
    return rows


def read_tst_list(body):
    """{name: [(link target, tag)...]} of every team row."""
    return {html.unescape(name).strip(): CELL.findall(rest.lstrip()) for name, rest in TEAM_ROW.findall(text(body))}


def read_statistics(body):
    columns = {}
    for name in ("sdf", "sdt", "sC1", "sC2", "sc", "sd", "stst", "sC", "srsl"):
        found = array_pattern(name).search(text(body))
        columns[name] = None if found is None else \
            [m.group(1) for m in ITEM.finditer(found.group(1)) if m.group(1) is not None]
    return columns


class OfferTiming(unittest.TestCase):
    def test_an_offer_is_on_sale_from_its_start_until_just_before_its_end(self):
        offer = parse_offer_option("match=3 category=2 from=10 to=20")
        self.assertEqual([offer.active(t) for t in (9.99, 10, 19.99, 20)], [False, True, True, False])
        self.assertTrue(parse_offer_option("team=5 series=4").active(1e9))

    def test_a_repeated_offer_comes_back_and_lists_each_period_begun(self):
        offer = parse_offer_option("team=Deutschland resale=7 from=10 to=15 repeat=30")
        self.assertEqual([offer.active(t) for t in (12, 20, 41, 46, 71)], [True, False, True, False, True])
        self.assertEqual(offer.periods(45), [(10, 15), (40, 45)])
        self.assertEqual(offer.periods(5), [])

    def test_two_offers_of_one_icon_show_the_fuller_state(self):
        scenario = Scenario({"offers": [{"match": 7, "category": 1, "state": "yes"},
                                        {"match": 7, "category": 1, "state": "ltl", "from": 5}]})
        self.assertEqual(scenario.match_icon(7, False, 1, 1), 1)
        self.assertEqual(scenario.match_icon(7, False, 1, 6), 2)
        self.assertEqual(scenario.match_icon(7, True, 1, 6), 0)

    def test_offers_that_make_no_sense_are_refused_with_a_reason(self):
        for spec in ({"match": 65, "category": 1}, {"match": 0, "category": 1}, {"match": 3, "category": 5},
                     {"match": 3}, {"team": 33, "series": 3}, {"team": "Atlantis", "series": 3},
                     {"team": 3, "series": 8}, {"team": 3, "series": 3, "sb": True},
                     {"match": 3, "category": 1, "state": "maybe"}, {"match": 3, "team": 3, "category": 1},
                     {"match": 3, "category": 1, "from": 5, "to": 5},
                     {"match": 3, "category": 1, "from": 0, "repeat": 10},
                     {"match": 3, "category": 1, "colour": "red"}):
            with self.assertRaises(ValueError, msg=spec):
                Scenario({"offers": [spec]})
        with self.assertRaises(ValueError):
            Scenario({"pages": {"resale-list": {"content": "sideways"}}})
        with self.assertRaises(ValueError):
            Scenario({"pages": {"front-page": {}}})


class TicketPages(unittest.TestCase):
    def setUp(self):
        self.scenario = Scenario({"offers": [
            {"match": 12, "category": 1}, {"match": 12, "category": 3, "sb": True, "state": "ltl"},
            {"match": 64, "category": 4, "state": "ltl"}, {"match": 5, "resale": 2},
            {"match": 5, "resale": 4, "sb": True}, {"match": 9, "category": 2, "from": 100},
            {"team": 8, "series": 3, "state": "ltl"}, {"team": 6, "series": 7},
            {"team": 6, "resale": 3}, {"team": 6, "resale": 7}, {"team": 6, "resale": 2}]})

    def test_the_resale_list_has_64_readable_rows_of_nine_icons_that_show_the_offers(self):
        rows = read_resale_list(pages.resale_list_page(self.scenario, 0))
        self.assertEqual(sorted(rows), list(range(1, 65)))
        self.assertTrue(all(count == 9 for _, _, _, count in rows.values()))
        self.assertEqual(rows[12][0], [1, 0, 0, 0])
        self.assertEqual(rows[12][2], [0, 0, 2, 0])
        self.assertEqual(rows[64][0], [0, 0, 0, 2])
        self.assertEqual(rows[9][0], [0, 0, 0, 0], "an offer that has not begun yet")
        with_resale = [n for n, row in rows.items() if "resale_no_" not in row[1]]
        self.assertEqual(with_resale, [5])

    def test_a_broken_list_has_one_row_of_eight_icons_and_maintenance_none(self):
        self.scenario.pages["resale-list"].content = "broken"
        rows = read_resale_list(pages.resale_list_page(self.scenario, 0))
        self.assertEqual([n for n, row in rows.items() if row[3] != 9], [33])
        self.scenario.pages["resale-list"].content = "maintenance"
        self.assertEqual(read_resale_list(pages.resale_list_page(self.scenario, 0)), {})

    def test_team_rows_carry_the_table_names_and_six_cells(self):
        for style in ("entity", "numeric", "raw"):
            self.scenario.pages["tst-list"].names = style
            rows = read_tst_list(pages.tst_list_page(self.scenario, 0))
            known = {name: cells for name, cells in rows.items() if name in TEAMS.values()}
            self.assertEqual(len(known), 32, style)
            self.assertTrue(all(len(cells) == 6 for cells in known.values()), style)
            self.assertEqual([icon_state(tag) for _, tag in known["Elfenbeinküste"][:5]], [2, 0, 0, 0, 0])
        raw = pages.tst_list_page(self.scenario, 0)
        self.assertIn(b"Elfenbeink\xfcste", raw, "raw names are Windows-1252")
        self.scenario.pages["tst-list"].names = "utf8"
        rows = read_tst_list(pages.tst_list_page(self.scenario, 0))
        garbled = [name for name in rows if name.startswith("Elfenbeink")]
        self.assertEqual(len(garbled), 1)
        self.assertNotEqual(garbled[0], "Elfenbeinküste")

    def test_a_team_with_resale_offers_links_its_detail_page_and_that_page_lists_them(self):
        rows = read_tst_list(pages.tst_list_page(self.scenario, 0))
        linked = {name: cells[5][0] for name, cells in rows.items() if len(cells) == 6 and cells[5][0]}
        self.assertEqual(list(linked), ["Deutschland"])
        self.assertNotIn("resale_no_", rows["Deutschland"][5][1])
        self.assertIn("resale_no_", rows["Angola"][5][1])
        kind, team = pages.classify("/cgi-bin/" + linked["Deutschland"].strip('"'))
        self.assertEqual((kind, team), ("tst-detail", 6))
        offers = OFFER.findall(text(pages.tst_detail_page(self.scenario, 0, 6)))
        self.assertEqual(offers, ["2", "3", "7"])
        self.assertEqual(OFFER.findall(text(pages.tst_detail_page(self.scenario, 0, 8))), [])

    def test_a_resale_detail_page_has_eight_blocks_offered_in_the_right_order(self):
        blocks = BLOCK.findall(text(pages.resale_detail_page(self.scenario, 0, 5)))
        self.assertEqual(len(blocks), 8)
        # Block 2k is category k+1, block 2k+1 the same category s.b.
        self.assertEqual([b for b, block in enumerate(blocks) if "<input" in block.lower()], [2, 7])
        empty = BLOCK.findall(text(pages.resale_detail_page(self.scenario, 0, 6)))
        self.assertEqual([("<input" in b) for b in empty], [False] * 8)

    def test_every_address_the_program_asks_for_is_served_and_others_are_not(self):
        self.assertEqual(pages.classify(pages.RESALE_LIST_PATH), ("resale-list", None))
        self.assertEqual(pages.classify(pages.TST_LIST_PATH), ("tst-list", None))
        self.assertEqual(pages.classify(pages.RESALE_DETAIL_PATH % 64), ("resale-detail", 64))
        self.assertEqual(pages.classify("/Statistics.aspx"), ("statistics", None))
        self.assertEqual(pages.classify("/qorm/wm-info.xml"), ("info", None))
        for path in (pages.RESALE_DETAIL_PATH % 65, pages.RESALE_DETAIL_PATH % 0, "/cgi-bin/ds_wmd?fun=start",
                     "/", "/cgi-bin/" + pages.TST_DETAIL_LINK % 33):
            self.assertEqual(pages.classify(path), (None, None), path)


class StatisticsPage(unittest.TestCase):
    def test_the_arrays_list_every_begun_offer_period_in_all_nine_columns(self):
        scenario = Scenario({"offers": [
            {"match": 1, "category": 2, "sb": True, "from": 0, "to": 10, "repeat": 20},
            {"team": 8, "series": 5, "from": 5}, {"match": 3, "resale": 1, "from": 500}]})
        import datetime
        started = datetime.datetime(2006, 6, 1, 12, 0, 0)
        columns = read_statistics(pages.statistics_page(scenario, 25, started))
        self.assertTrue(all(len(items) == 3 for items in columns.values()), columns)
        self.assertEqual(columns["sdf"], ["01.06.2006 12:00:00", "01.06.2006 12:00:05", "01.06.2006 12:00:20"])
        self.assertEqual(columns["sdt"][0], "01.06.2006 12:00:10")
        self.assertEqual(columns["sdt"][1], "01.06.2006 12:00:25", "an open period ends now")
        self.assertEqual(columns["sC"], ["6", "5", "6"], "s.b. categories are 5 to 8")
        self.assertEqual(columns["stst"], ["0", "1", "0"])
        self.assertEqual(columns["sC1"][1], "Elfenbeinküste")
        self.assertEqual(columns["sc"][1], "", "a team offer has no city")

    def test_without_trailing_comma_the_last_item_is_lost_and_broken_lacks_an_array(self):
        scenario = Scenario({"offers": [{"match": 1, "category": 1}, {"match": 2, "category": 1}],
                             "pages": {"statistics": {"trailing_comma": False}}})
        import datetime
        columns = read_statistics(pages.statistics_page(scenario, 1, datetime.datetime(2006, 6, 1)))
        self.assertEqual(columns["sC"], ["1"])
        scenario.pages["statistics"].content = "broken"
        columns = read_statistics(pages.statistics_page(scenario, 1, datetime.datetime(2006, 6, 1)))
        self.assertIsNone(columns["sd"])
        self.assertIsNotNone(columns["sC"], "sC is found although sC1 and sC2 come first")


class HostNames(unittest.TestCase):
    def test_constants_are_read_in_every_form_a_header_writes_them(self):
        header = '''#define TICKET_SITE_HOST L"tickets.example"
const wchar_t kStatisticHost[] = L"stats.example";
constexpr const wchar_t* INFO_FILE_URL = L"http://download.example/qorm/wm-info.xml";'''
        self.assertEqual(len(read_constants(header)), 3)
        with tempfile.NamedTemporaryFile("w", suffix=".h", delete=False) as f:
            f.write(header)
        try:
            hosts = Hosts.from_header(f.name)
        finally:
            os.unlink(f.name)
        self.assertEqual((hosts.ticket, hosts.statistics, hosts.info),
                         ("tickets.example", "stats.example", "download.example"))
        self.assertTrue(hosts.serves("tst-list", "TICKETS.example"))
        self.assertFalse(hosts.serves("statistics", "tickets.example"))


class Server(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp()
        self.scenario_path = os.path.join(self.folder, "scenario.json")
        self.log_path = os.path.join(self.folder, "requests.log")
        self.write_scenario({"offers": [{"match": 2, "category": 1}],
                             "pages": {"tst-list": {"status": 302, "location": "http://elsewhere/"}}})
        self.state = SiteState(self.scenario_path, [])
        self.server = SiteServer(("127.0.0.1", 0), self.state, Hosts("tickets.example", "stats.example", "dl.example"),
                                 self.log_path, quiet=True)
        self.thread = threading.Thread(target=self.server.serve_forever, kwargs={"poll_interval": 0.05})
        self.thread.start()
        self.port = self.server.server_address[1]

    def tearDown(self):
        self.server.shutdown()
        self.thread.join()
        self.server.server_close()

    def write_scenario(self, data):
        with open(self.scenario_path, "w", encoding="utf-8") as f:
            json.dump(data, f)

    def get(self, target, host=None):
        connection = http.client.HTTPConnection("127.0.0.1", self.port, timeout=10)
        connection.putrequest("GET", target, skip_host=True)
        if host:
            connection.putheader("Host", host)
        connection.endheaders()
        response = connection.getresponse()
        body = response.read()
        connection.close()
        return response, body

    def test_proxy_requests_with_port_80_and_direct_requests_are_served_by_host(self):
        response, body = self.get("http://tickets.example:80" + pages.RESALE_LIST_PATH)
        self.assertEqual(response.status, 200)
        self.assertEqual(response.getheader("Content-Type"), "text/html; charset=windows-1252")
        self.assertIn("WMDSESSION=", response.getheader("Set-Cookie"))
        self.assertEqual(read_resale_list(body)[2][0], [1, 0, 0, 0])
        response, _ = self.get("/Statistics.aspx", host="stats.example")
        self.assertEqual(response.status, 200)
        response, body = self.get("http://dl.example:80/qorm/wm-info.xml")
        self.assertIn(b"<WebPage>", body)
        response, _ = self.get("http://stats.example:80" + pages.RESALE_LIST_PATH)
        self.assertEqual(response.status, 404, "ticket pages live on the ticket host only")

    def test_a_page_rule_answers_with_its_status_and_the_log_records_each_request(self):
        response, _ = self.get("http://tickets.example:80" + pages.TST_LIST_PATH)
        self.assertEqual((response.status, response.getheader("Location")), (302, "http://elsewhere/"))
        with open(self.log_path) as f:
            lines = f.read().splitlines()
        self.assertEqual(len(lines), 1)
        self.assertIn(" tickets.example tst-list - 302 ", lines[0])

    def test_a_changed_scenario_file_is_taken_at_the_next_request_and_a_bad_one_is_refused(self):
        self.write_scenario({"offers": [{"match": 2, "category": 4, "state": "ltl"}]})
        _, body = self.get("http://tickets.example:80" + pages.RESALE_LIST_PATH)
        self.assertEqual(read_resale_list(body)[2][0], [0, 0, 0, 2])
        self.write_scenario({"offers": [{"match": 99, "category": 1}]})
        with contextlib.redirect_stderr(io.StringIO()):
            _, body = self.get("http://tickets.example:80" + pages.RESALE_LIST_PATH)
        self.assertEqual(read_resale_list(body)[2][0], [0, 0, 0, 2], "the last good scenario stays")
        self.assertIn("match", self.state.error)

    def test_quit_ends_the_server(self):
        response, body = self.get("/_site/quit", host="anything")
        self.assertEqual(body, b"bye\n")
        deadline = time.monotonic() + 5
        while self.thread.is_alive() and time.monotonic() < deadline:
            time.sleep(0.05)
        self.assertFalse(self.thread.is_alive())


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
