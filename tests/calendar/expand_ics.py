#!/usr/bin/env python3
"""Reads an iCalendar file with the icalendar library and prints, for each
event, its summary and the first N occurrences its DTSTART and RRULE give
under dateutil's recurrence engine, as wall-clock times in the event's zone."""
import sys
import pytz

import icalendar.cal
from dateutil.rrule import rrulestr
from icalendar import Calendar


def zone_of(vtimezone):
    """The zone a VTIMEZONE names in X-LIC-LOCATION, from the system's zone
    database. icalendar 4's own conversion of a VTIMEZONE fails on a rule
    with a (correct, UTC) UNTIL: its DTSTART is naive (icalendar issue 708)."""
    return pytz.timezone(str(vtimezone["X-LIC-LOCATION"]))


icalendar.cal.Timezone.to_tz = zone_of


def main():
    path, count = sys.argv[1], int(sys.argv[2])
    with open(path, 'rb') as f:
        calendar = Calendar.from_ical(f.read())
    for event in calendar.walk('VEVENT'):
        print('SUMMARY', str(event.get('SUMMARY')))
        start = event['DTSTART'].dt
        rule = event.get('RRULE')
        if rule is None:
            occurrences = [start]
        else:
            occurrences = []
            for occurrence in rrulestr(rule.to_ical().decode(), dtstart=start):
                occurrences.append(occurrence)
                if len(occurrences) == count:
                    break
        for occurrence in occurrences:
            print(occurrence.replace(tzinfo=None).isoformat())


if __name__ == '__main__':
    main()
