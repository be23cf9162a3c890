    3    1    0    0                                                            Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F
    1                                                                           Line 2 : Total number of sections
    1                                                                           Line 3 : Total number of axial thrusts for elastic section
  150            0.1200000E+03  0.3932400E+11                                   Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for linear EI pile at top of section
  0.2621600E+09  0.2621600E+08  0.1000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.5243200E+09  0.2621600E+08  0.2000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.7864800E+09  0.2621600E+08  0.3000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.1048640E+10  0.2621600E+08  0.4000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.1310800E+10  0.2621600E+08  0.5000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.1572960E+10  0.2621600E+08  0.6000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.1835120E+10  0.2621600E+08  0.7000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.2097280E+10  0.2621600E+08  0.8000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.2359440E+10  0.2621600E+08  0.9000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.2621600E+10  0.2621600E+08  0.1000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.2883760E+10  0.2621600E+08  0.1100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.3145920E+10  0.2621600E+08  0.1200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.3408080E+10  0.2621600E+08  0.1300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.3670240E+10  0.2621600E+08  0.1400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.3932400E+10  0.2621600E+08  0.1500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.4194560E+10  0.2621600E+08  0.1600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.4456720E+10  0.2621600E+08  0.1700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.4718880E+10  0.2621600E+08  0.1800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.4981040E+10  0.2621600E+08  0.1900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.5243200E+10  0.2621600E+08  0.2000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.5505360E+10  0.2621600E+08  0.2100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.5767520E+10  0.2621600E+08  0.2200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.6029680E+10  0.2621600E+08  0.2300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.6291840E+10  0.2621600E+08  0.2400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.6554000E+10  0.2621600E+08  0.2500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.6816160E+10  0.2621600E+08  0.2600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.7078320E+10  0.2621600E+08  0.2700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.7340480E+10  0.2621600E+08  0.2800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.7602640E+10  0.2621600E+08  0.2900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.7864800E+10  0.2621600E+08  0.3000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.8126960E+10  0.2621600E+08  0.3100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.8389120E+10  0.2621600E+08  0.3200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.8651280E+10  0.2621600E+08  0.3300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.8913440E+10  0.2621600E+08  0.3400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.9175600E+10  0.2621600E+08  0.3500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.9437760E+10  0.2621600E+08  0.3600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.9699920E+10  0.2621600E+08  0.3700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.9962080E+10  0.2621600E+08  0.3800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.1022424E+11  0.2621600E+08  0.3900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.1048640E+11  0.2621600E+08  0.4000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.1074856E+11  0.2621600E+08  0.4100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.1101072E+11  0.2621600E+08  0.4200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.1127288E+11  0.2621600E+08  0.4300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.1153504E+11  0.2621600E+08  0.4400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.1179720E+11  0.2621600E+08  0.4500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.1205936E+11  0.2621600E+08  0.4600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.1232152E+11  0.2621600E+08  0.4700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.1258368E+11  0.2621600E+08  0.4800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.1284584E+11  0.2621600E+08  0.4900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.1310800E+11  0.2621600E+08  0.5000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.1337016E+11  0.2621600E+08  0.5100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.1363232E+11  0.2621600E+08  0.5200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.1389448E+11  0.2621600E+08  0.5300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.1415664E+11  0.2621600E+08  0.5400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.1441880E+11  0.2621600E+08  0.5500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.1468096E+11  0.2621600E+08  0.5600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.1494312E+11  0.2621600E+08  0.5700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.1520528E+11  0.2621600E+08  0.5800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.1546744E+11  0.2621600E+08  0.5900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.1572960E+11  0.2621600E+08  0.6000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.1599176E+11  0.2621600E+08  0.6100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.1625392E+11  0.2621600E+08  0.6200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.1651608E+11  0.2621600E+08  0.6300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.1677824E+11  0.2621600E+08  0.6400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.1704040E+11  0.2621600E+08  0.6500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.1730256E+11  0.2621600E+08  0.6600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.1756472E+11  0.2621600E+08  0.6700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.1782688E+11  0.2621600E+08  0.6800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.1808904E+11  0.2621600E+08  0.6900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.1835120E+11  0.2621600E+08  0.7000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.1861336E+11  0.2621600E+08  0.7100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.1887552E+11  0.2621600E+08  0.7200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.1913768E+11  0.2621600E+08  0.7300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.1939984E+11  0.2621600E+08  0.7400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.1966200E+11  0.2621600E+08  0.7500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.1992416E+11  0.2621600E+08  0.7600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.2018632E+11  0.2621600E+08  0.7700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.2044848E+11  0.2621600E+08  0.7800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.2071064E+11  0.2621600E+08  0.7900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.2097280E+11  0.2621600E+08  0.8000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.2123496E+11  0.2621600E+08  0.8100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.2149712E+11  0.2621600E+08  0.8200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.2175928E+11  0.2621600E+08  0.8300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.2202144E+11  0.2621600E+08  0.8400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.2228360E+11  0.2621600E+08  0.8500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.2254576E+11  0.2621600E+08  0.8600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.2280792E+11  0.2621600E+08  0.8700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.2307008E+11  0.2621600E+08  0.8800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.2333224E+11  0.2621600E+08  0.8900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.2359440E+11  0.2621600E+08  0.9000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.2385656E+11  0.2621600E+08  0.9100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.2411872E+11  0.2621600E+08  0.9200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.2438088E+11  0.2621600E+08  0.9300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.2464304E+11  0.2621600E+08  0.9400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.2490520E+11  0.2621600E+08  0.9500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.2516736E+11  0.2621600E+08  0.9600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.2542952E+11  0.2621600E+08  0.9700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.2569168E+11  0.2621600E+08  0.9800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.2595384E+11  0.2621600E+08  0.9900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.2621600E+11  0.2621600E+08  0.1000000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.2647816E+11  0.2621600E+08  0.1010000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.2674032E+11  0.2621600E+08  0.1020000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.2700248E+11  0.2621600E+08  0.1030000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.2726464E+11  0.2621600E+08  0.1040000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.2752680E+11  0.2621600E+08  0.1050000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.2778896E+11  0.2621600E+08  0.1060000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.2805112E+11  0.2621600E+08  0.1070000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.2831328E+11  0.2621600E+08  0.1080000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.2857544E+11  0.2621600E+08  0.1090000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.2883760E+11  0.2621600E+08  0.1100000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.2909976E+11  0.2621600E+08  0.1110000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.2936192E+11  0.2621600E+08  0.1120000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=112
  0.2962408E+11  0.2621600E+08  0.1130000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=113
  0.2988624E+11  0.2621600E+08  0.1140000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=114
  0.3014840E+11  0.2621600E+08  0.1150000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=115
  0.3041056E+11  0.2621600E+08  0.1160000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=116
  0.3067272E+11  0.2621600E+08  0.1170000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=117
  0.3093488E+11  0.2621600E+08  0.1180000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=118
  0.3119704E+11  0.2621600E+08  0.1190000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=119
  0.3145920E+11  0.2621600E+08  0.1200000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=120
  0.3172136E+11  0.2621600E+08  0.1210000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=121
  0.3198352E+11  0.2621600E+08  0.1220000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=122
  0.3224568E+11  0.2621600E+08  0.1230000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=123
  0.3250784E+11  0.2621600E+08  0.1240000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=124
  0.3277000E+11  0.2621600E+08  0.1250000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=125
  0.3303216E+11  0.2621600E+08  0.1260000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=126
  0.3329432E+11  0.2621600E+08  0.1270000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=127
  0.3355648E+11  0.2621600E+08  0.1280000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=128
  0.3381864E+11  0.2621600E+08  0.1290000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=129
  0.3408080E+11  0.2621600E+08  0.1300000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=130
  0.3434296E+11  0.2621600E+08  0.1310000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=131
  0.3460512E+11  0.2621600E+08  0.1320000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=132
  0.3486728E+11  0.2621600E+08  0.1330000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=133
  0.3512944E+11  0.2621600E+08  0.1340000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=134
  0.3539160E+11  0.2621600E+08  0.1350000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=135
  0.3565376E+11  0.2621600E+08  0.1360000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=136
  0.3591592E+11  0.2621600E+08  0.1370000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=137
  0.3617808E+11  0.2621600E+08  0.1380000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=138
  0.3644024E+11  0.2621600E+08  0.1390000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=139
  0.3670240E+11  0.2621600E+08  0.1400000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=140
  0.3696456E+11  0.2621600E+08  0.1410000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=141
  0.3722672E+11  0.2621600E+08  0.1420000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=142
  0.3748888E+11  0.2621600E+08  0.1430000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=143
  0.3775104E+11  0.2621600E+08  0.1440000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=144
  0.3801320E+11  0.2621600E+08  0.1450000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=145
  0.3827536E+11  0.2621600E+08  0.1460000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=146
  0.3853752E+11  0.2621600E+08  0.1470000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=147
  0.3879968E+11  0.2621600E+08  0.1480000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=148
  0.3906184E+11  0.2621600E+08  0.1490000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=149
  0.3932400E+11  0.2621600E+08  0.1500000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=150
    0                                                                           Line 6 : number of output p-y curves
    1  101    1                                                                 Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.4839950E+00  0.6467913E-06  0.8000000E+04 -0.2664382E+02  0.2621600E+11 Line 10(  1): nodal depth, y, M, V, p, EI
  0.6000000E+01  0.4600207E+00  0.5039732E+05  0.7833184E+04 -0.2896142E+02  0.2621600E+11 Line 10(  2): nodal depth, y, M, V, p, EI
  0.1200000E+02  0.4361157E+00  0.9974372E+05  0.7652635E+04 -0.3122176E+02  0.2621600E+11 Line 10(  3): nodal depth, y, M, V, p, EI
  0.1800000E+02  0.4123477E+00  0.1479497E+06  0.7458718E+04 -0.3341731E+02  0.2621600E+11 Line 10(  4): nodal depth, y, M, V, p, EI
  0.2400000E+02  0.3887828E+00  0.1949283E+06  0.7251845E+04 -0.3554036E+02  0.2621600E+11 Line 10(  5): nodal depth, y, M, V, p, EI
  0.3000000E+02  0.3654856E+00  0.2405953E+06  0.7032474E+04 -0.3758300E+02  0.2621600E+11 Line 10(  6): nodal depth, y, M, V, p, EI
  0.3600000E+02  0.3425188E+00  0.2848697E+06  0.6801114E+04 -0.3953715E+02  0.2621600E+11 Line 10(  7): nodal depth, y, M, V, p, EI
  0.4200000E+02  0.3199431E+00  0.3276738E+06  0.6558319E+04 -0.4139452E+02  0.2621600E+11 Line 10(  8): nodal depth, y, M, V, p, EI
  0.4800000E+02  0.2978175E+00  0.3689336E+06  0.6304696E+04 -0.4314662E+02  0.2621600E+11 Line 10(  9): nodal depth, y, M, V, p, EI
  0.5400000E+02  0.2761984E+00  0.4085795E+06  0.6040902E+04 -0.4478472E+02  0.2621600E+11 Line 10( 10): nodal depth, y, M, V, p, EI
  0.6000000E+02  0.2551404E+00  0.4465457E+06  0.5767648E+04 -0.4629991E+02  0.2621600E+11 Line 10( 11): nodal depth, y, M, V, p, EI
  0.6600000E+02  0.2346956E+00  0.4827716E+06  0.5485699E+04 -0.4768301E+02  0.2621600E+11 Line 10( 12): nodal depth, y, M, V, p, EI
  0.7200000E+02  0.2149138E+00  0.5172013E+06  0.5195876E+04 -0.4892463E+02  0.2621600E+11 Line 10( 13): nodal depth, y, M, V, p, EI
  0.7800000E+02  0.1958422E+00  0.5497845E+06  0.4899057E+04 -0.5001515E+02  0.2621600E+11 Line 10( 14): nodal depth, y, M, V, p, EI
  0.8400000E+02  0.1775255E+00  0.5804766E+06  0.4596177E+04 -0.5094473E+02  0.2621600E+11 Line 10( 15): nodal depth, y, M, V, p, EI
  0.9000000E+02  0.1600060E+00  0.6092390E+06  0.4288233E+04 -0.5170335E+02  0.2621600E+11 Line 10( 16): nodal depth, y, M, V, p, EI
  0.9600000E+02  0.1433231E+00  0.6360396E+06  0.3759360E+04 -0.1245875E+03  0.2621600E+11 Line 10( 17): nodal depth, y, M, V, p, EI
  0.1020000E+03  0.1275136E+00  0.6582504E+06  0.2989842E+04 -0.1319186E+03  0.2621600E+11 Line 10( 18): nodal depth, y, M, V, p, EI
  0.1080000E+03  0.1126080E+00  0.6756036E+06  0.2179921E+04 -0.1380549E+03  0.2621600E+11 Line 10( 19): nodal depth, y, M, V, p, EI
  0.1140000E+03  0.9863013E-01  0.6878754E+06  0.1337233E+04 -0.1428413E+03  0.2621600E+11 Line 10( 20): nodal depth, y, M, V, p, EI
  0.1200000E+03  0.8559688E-01  0.6948917E+06  0.4703061E+03 -0.1461342E+03  0.2621600E+11 Line 10( 21): nodal depth, y, M, V, p, EI
  0.1260000E+03  0.7351785E-01  0.6965326E+06 -0.4115003E+03 -0.1478013E+03  0.2621600E+11 Line 10( 22): nodal depth, y, M, V, p, EI
  0.1320000E+03  0.6239531E-01  0.6927379E+06 -0.1298069E+04 -0.1477215E+03  0.2621600E+11 Line 10( 23): nodal depth, y, M, V, p, EI
  0.1380000E+03  0.5222405E-01  0.6835110E+06 -0.2178582E+04 -0.1457828E+03  0.2621600E+11 Line 10( 24): nodal depth, y, M, V, p, EI
  0.1440000E+03  0.4299138E-01  0.6689234E+06 -0.3041565E+04 -0.1418783E+03  0.2621600E+11 Line 10( 25): nodal depth, y, M, V, p, EI
  0.1500000E+03  0.3467729E-01  0.6491179E+06 -0.3874896E+04 -0.1358987E+03  0.2621600E+11 Line 10( 26): nodal depth, y, M, V, p, EI
  0.1560000E+03  0.2725457E-01  0.6243130E+06 -0.4658411E+04 -0.1252728E+03  0.2621600E+11 Line 10( 27): nodal depth, y, M, V, p, EI
  0.1620000E+03  0.2068916E-01  0.5948955E+06 -0.5330688E+04 -0.9881965E+02  0.2621600E+11 Line 10( 28): nodal depth, y, M, V, p, EI
  0.1680000E+03  0.1494066E-01  0.5618224E+06 -0.5849303E+04 -0.7405186E+02  0.2621600E+11 Line 10( 29): nodal depth, y, M, V, p, EI
  0.1740000E+03  0.9963664E-02  0.5259909E+06 -0.6224991E+04 -0.5117735E+02  0.2621600E+11 Line 10( 30): nodal depth, y, M, V, p, EI
  0.1800000E+03  0.5708962E-02  0.4882304E+06 -0.6469576E+04 -0.3035111E+02  0.2621600E+11 Line 10( 31): nodal depth, y, M, V, p, EI
  0.1860000E+03  0.2124701E-02  0.4492967E+06 -0.6595664E+04 -0.1167820E+02  0.2621600E+11 Line 10( 32): nodal depth, y, M, V, p, EI
  0.1920000E+03 -0.8425821E-03  0.4098686E+06 -0.6616350E+04  0.4782831E+01  0.2621600E+11 Line 10( 33): nodal depth, y, M, V, p, EI
  0.1980000E+03 -0.3247031E-02  0.3705451E+06 -0.6544954E+04  0.1901591E+02  0.2621600E+11 Line 10( 34): nodal depth, y, M, V, p, EI
  0.2040000E+03 -0.5142645E-02  0.3318451E+06 -0.6394777E+04  0.3104305E+02  0.2621600E+11 Line 10( 35): nodal depth, y, M, V, p, EI
  0.2100000E+03 -0.6582566E-02  0.2942080E+06 -0.6178888E+04  0.4091985E+02  0.2621600E+11 Line 10( 36): nodal depth, y, M, V, p, EI
  0.2160000E+03 -0.7618479E-02  0.2579956E+06 -0.5909936E+04  0.4873082E+02  0.2621600E+11 Line 10( 37): nodal depth, y, M, V, p, EI
  0.2220000E+03 -0.8300111E-02  0.2234949E+06 -0.5599989E+04  0.5458483E+02  0.2621600E+11 Line 10( 38): nodal depth, y, M, V, p, EI
  0.2280000E+03 -0.8674837E-02  0.1909225E+06 -0.5260403E+04  0.5861065E+02  0.2621600E+11 Line 10( 39): nodal depth, y, M, V, p, EI
  0.2340000E+03 -0.8787388E-02  0.1604285E+06 -0.4901712E+04  0.6095282E+02  0.2621600E+11 Line 10( 40): nodal depth, y, M, V, p, EI
  0.2400000E+03 -0.8679637E-02  0.1321025E+06 -0.4533551E+04  0.6176775E+02  0.2621600E+11 Line 10( 41): nodal depth, y, M, V, p, EI
  0.2460000E+03 -0.8390482E-02  0.1059783E+06 -0.4164586E+04  0.6122030E+02  0.2621600E+11 Line 10( 42): nodal depth, y, M, V, p, EI
  0.2520000E+03 -0.7955797E-02  0.8204060E+05 -0.3802483E+04  0.5948070E+02  0.2621600E+11 Line 10( 43): nodal depth, y, M, V, p, EI
  0.2580000E+03 -0.7408453E-02  0.6023067E+05 -0.3453875E+04  0.5672206E+02  0.2621600E+11 Line 10( 44): nodal depth, y, M, V, p, EI
  0.2640000E+03 -0.6778399E-02  0.4045281E+05 -0.3124354E+04  0.5311824E+02  0.2621600E+11 Line 10( 45): nodal depth, y, M, V, p, EI
  0.2700000E+03 -0.6092796E-02  0.2258054E+05 -0.2818473E+04  0.4884228E+02  0.2621600E+11 Line 10( 46): nodal depth, y, M, V, p, EI
  0.2760000E+03 -0.5376185E-02  0.6462868E+04 -0.2539750E+04  0.4406535E+02  0.2621600E+11 Line 10( 47): nodal depth, y, M, V, p, EI
  0.2820000E+03 -0.4650699E-02 -0.8069512E+04 -0.2290685E+04  0.3895611E+02  0.2621600E+11 Line 10( 48): nodal depth, y, M, V, p, EI
  0.2880000E+03 -0.3936294E-02 -0.2119814E+05 -0.2072776E+04  0.3368050E+02  0.2621600E+11 Line 10( 49): nodal depth, y, M, V, p, EI
  0.2940000E+03 -0.3250999E-02 -0.3311078E+05 -0.1886528E+04  0.2840202E+02  0.2621600E+11 Line 10( 50): nodal depth, y, M, V, p, EI
  0.3000000E+03 -0.2611172E-02 -0.4399550E+05 -0.1483826E+04  0.1058319E+03  0.2621600E+11 Line 10( 51): nodal depth, y, M, V, p, EI
  0.3060000E+03 -0.2031759E-02 -0.5106301E+05 -0.8839282E+03  0.9413411E+02  0.2621600E+11 Line 10( 52): nodal depth, y, M, V, p, EI
  0.3120000E+03 -0.1522467E-02 -0.5473328E+05 -0.3550400E+03  0.8216195E+02  0.2621600E+11 Line 10( 53): nodal depth, y, M, V, p, EI
  0.3180000E+03 -0.1088335E-02 -0.5543670E+05  0.1015633E+03  0.7003915E+02  0.2621600E+11 Line 10( 54): nodal depth, y, M, V, p, EI
  0.3240000E+03 -0.7303284E-03 -0.5360958E+05  0.4852152E+03  0.5784481E+02  0.2621600E+11 Line 10( 55): nodal depth, y, M, V, p, EI
  0.3300000E+03 -0.4459393E-03 -0.4969120E+05  0.7954617E+03  0.4557069E+02  0.2621600E+11 Line 10( 56): nodal depth, y, M, V, p, EI
  0.3360000E+03 -0.2297865E-03 -0.4412410E+05  0.1031124E+04  0.3298342E+02  0.2621600E+11 Line 10( 57): nodal depth, y, M, V, p, EI
  0.3420000E+03 -0.7422527E-04 -0.3736232E+05  0.1186827E+04  0.1891748E+02  0.2621600E+11 Line 10( 58): nodal depth, y, M, V, p, EI
  0.3480000E+03  0.3002977E-04 -0.2991336E+05  0.1207414E+04 -0.1205518E+02  0.2621600E+11 Line 10( 59): nodal depth, y, M, V, p, EI
  0.3540000E+03  0.9320757E-04 -0.2289345E+05  0.1106846E+04 -0.2146724E+02  0.2621600E+11 Line 10( 60): nodal depth, y, M, V, p, EI
  0.3600000E+03  0.1249479E-03 -0.1664259E+05  0.9672707E+03 -0.2505797E+02  0.2621600E+11 Line 10( 61): nodal depth, y, M, V, p, EI
  0.3660000E+03  0.1338345E-03 -0.1129108E+05  0.8136852E+03 -0.2613717E+02  0.2621600E+11 Line 10( 62): nodal depth, y, M, V, p, EI
  0.3720000E+03  0.1272162E-03 -0.6878642E+04  0.6582368E+03 -0.2567898E+02  0.2621600E+11 Line 10( 63): nodal depth, y, M, V, p, EI
  0.3780000E+03  0.1111520E-03 -0.3389515E+04  0.5086432E+03 -0.2418555E+02  0.2621600E+11 Line 10( 64): nodal depth, y, M, V, p, EI
  0.3840000E+03  0.9043329E-04 -0.7705100E+03  0.3701480E+03 -0.2197951E+02  0.2621600E+11 Line 10( 65): nodal depth, y, M, V, p, EI
  0.3900000E+03  0.6865654E-04  0.1057360E+04  0.2463278E+03 -0.1929389E+02  0.2621600E+11 Line 10( 66): nodal depth, y, M, V, p, EI
  0.3960000E+03  0.4833176E-04  0.2190476E+04  0.1395233E+03 -0.1630760E+02  0.2621600E+11 Line 10( 67): nodal depth, y, M, V, p, EI
  0.4020000E+03  0.3101496E-04  0.2736157E+04  0.5112353E+02 -0.1315901E+02  0.2621600E+11 Line 10( 68): nodal depth, y, M, V, p, EI
  0.4080000E+03  0.1745547E-04  0.2807663E+04 -0.1818352E+02 -0.9943342E+01  0.2621600E+11 Line 10( 69): nodal depth, y, M, V, p, EI
  0.4140000E+03  0.7751484E-05  0.2520746E+04 -0.6775860E+02 -0.6581684E+01  0.2621600E+11 Line 10( 70): nodal depth, y, M, V, p, EI
  0.4200000E+03  0.1509004E-05  0.1996474E+04 -0.9135427E+02 -0.1283539E+01  0.2621600E+11 Line 10( 71): nodal depth, y, M, V, p, EI
  0.4260000E+03 -0.1991904E-05  0.1425664E+04 -0.9011306E+02  0.1697276E+01  0.2621600E+11 Line 10( 72): nodal depth, y, M, V, p, EI
  0.4320000E+03 -0.3535079E-05  0.9157222E+03 -0.7596874E+02  0.3017498E+01  0.2621600E+11 Line 10( 73): nodal depth, y, M, V, p, EI
  0.4380000E+03 -0.3820778E-05  0.5142590E+03 -0.5711496E+02  0.3267098E+01  0.2621600E+11 Line 10( 74): nodal depth, y, M, V, p, EI
  0.4440000E+03 -0.3400293E-05  0.2303266E+03 -0.3857572E+02  0.2912646E+01  0.2621600E+11 Line 10( 75): nodal depth, y, M, V, p, EI
  0.4500000E+03 -0.2663521E-05  0.5121148E+02 -0.2298119E+02  0.2285533E+01  0.2621600E+11 Line 10( 76): nodal depth, y, M, V, p, EI
  0.4560000E+03 -0.1856426E-05 -0.4563289E+02 -0.1133731E+02  0.1595759E+01  0.2621600E+11 Line 10( 77): nodal depth, y, M, V, p, EI
  0.4620000E+03 -0.1111993E-05 -0.8502241E+02 -0.3677461E+01  0.9575231E+00  0.2621600E+11 Line 10( 78): nodal depth, y, M, V, p, EI
  0.4680000E+03 -0.4843148E-06 -0.8992708E+02  0.4483988E+00  0.4177636E+00  0.2621600E+11 Line 10( 79): nodal depth, y, M, V, p, EI
  0.4740000E+03  0.1987544E-07 -0.7977745E+02  0.1650167E+01 -0.1717411E-01  0.2621600E+11 Line 10( 80): nodal depth, y, M, V, p, EI
  0.4800000E+03  0.4145147E-06 -0.7023293E+02  0.1578003E+01 -0.6880699E-02  0.2621600E+11 Line 10( 81): nodal depth, y, M, V, p, EI
  0.4860000E+03  0.7127095E-06 -0.6092455E+02  0.1521067E+01 -0.1209782E-01  0.2621600E+11 Line 10( 82): nodal depth, y, M, V, p, EI
  0.4920000E+03  0.9272424E-06 -0.5204165E+02  0.1436513E+01 -0.1608711E-01  0.2621600E+11 Line 10( 83): nodal depth, y, M, V, p, EI
  0.4980000E+03  0.1070311E-05 -0.4372931E+02  0.1331339E+01 -0.1897064E-01  0.2621600E+11 Line 10( 84): nodal depth, y, M, V, p, EI
  0.5040000E+03  0.1153331E-05 -0.3609271E+02  0.1211804E+01 -0.2087461E-01  0.2621600E+11 Line 10( 85): nodal depth, y, M, V, p, EI
  0.5100000E+03  0.1186787E-05 -0.2920165E+02  0.1083404E+01 -0.2192520E-01  0.2621600E+11 Line 10( 86): nodal depth, y, M, V, p, EI
  0.5160000E+03  0.1180144E-05 -0.2309508E+02  0.9508935E+00 -0.2224502E-01  0.2621600E+11 Line 10( 87): nodal depth, y, M, V, p, EI
  0.5220000E+03  0.1141787E-05 -0.1778552E+02  0.8183079E+00 -0.2195017E-01  0.2621600E+11 Line 10( 88): nodal depth, y, M, V, p, EI
  0.5280000E+03  0.1079006E-05 -0.1326325E+02  0.6890138E+00 -0.2114788E-01  0.2621600E+11 Line 10( 89): nodal depth, y, M, V, p, EI
  0.5340000E+03  0.9980119E-06 -0.9500106E+01  0.5657660E+00 -0.1993470E-01  0.2621600E+11 Line 10( 90): nodal depth, y, M, V, p, EI
  0.5400000E+03  0.9039723E-06 -0.6453050E+01  0.4507760E+00 -0.1839530E-01  0.2621600E+11 Line 10( 91): nodal depth, y, M, V, p, EI
  0.5460000E+03  0.8010714E-06 -0.4067161E+01  0.3457849E+00 -0.1660173E-01  0.2621600E+11 Line 10( 92): nodal depth, y, M, V, p, EI
  0.5520000E+03  0.6925854E-06 -0.2278264E+01  0.2521403E+00 -0.1461314E-01  0.2621600E+11 Line 10( 93): nodal depth, y, M, V, p, EI
  0.5580000E+03  0.5809709E-06 -0.1015065E+01  0.1708728E+00 -0.1247601E-01  0.2621600E+11 Line 10( 94): nodal depth, y, M, V, p, EI
  0.5640000E+03  0.4679624E-06 -0.2008352E+00  0.1027707E+00 -0.1022470E-01  0.2621600E+11 Line 10( 95): nodal depth, y, M, V, p, EI
  0.5700000E+03  0.3546782E-06  0.2453385E+00  0.4844905E-01 -0.7882515E-02  0.2621600E+11 Line 10( 96): nodal depth, y, M, V, p, EI
  0.5760000E+03  0.2417309E-06  0.4077012E+00  0.8412577E-02 -0.5462977E-02  0.2621600E+11 Line 10( 97): nodal depth, y, M, V, p, EI
  0.5820000E+03  0.1293435E-06  0.3733296E+00 -0.1689113E-01 -0.2971591E-02  0.2621600E+11 Line 10( 98): nodal depth, y, M, V, p, EI
  0.5880000E+03  0.1746872E-07  0.2319192E+00 -0.2702955E-01 -0.4078842E-03  0.2621600E+11 Line 10( 99): nodal depth, y, M, V, p, EI
  0.5940000E+03 -0.9408760E-07  0.7578673E-01 -0.2155669E-01  0.2232173E-02  0.2621600E+11 Line 10(100): nodal depth, y, M, V, p, EI
  0.6000000E+03 -0.2055398E-06  0.0000000E+00  0.0000000E+00  0.4953389E-02  0.0000000E+00 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.8000000E+04  0.4839950E+00  0.6965326E+06  0.8000000E+04 -0.3995704E-02     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
