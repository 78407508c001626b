// Resource ids of the schedule-recording stand-in.
#pragma once

#define IDD_SCHEDULE 100
#define IDC_SCHEDULE_NOTE 1001
